// The sound of the beep: 1000 Hz for 250 ms, as 16-bit mono samples.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kBeepHertz = 1000;
constexpr int kBeepMilliseconds = 250;

// A sine tone of kBeepHertz lasting kBeepMilliseconds at `sampleRate`, faded in and out
// over 5 ms against clicks, followed by `silenceMilliseconds` of silence.
std::vector<std::int16_t> beepTone(int sampleRate, int silenceMilliseconds);
