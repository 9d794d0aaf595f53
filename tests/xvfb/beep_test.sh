# The beep: Delete at the end of an input line sounds 1000 Hz for 250 ms. SDL's disk
# audio driver records what would be played; where there is no audio device the beep is
# skipped without a word.
test_name=beep
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb

menu_waits() { find_window && row_is 27 "Zadec cislo a stiskni ENTER"; }

# Samples of 16 bits, one channel, at 44100 Hz, as SDL was asked for.
samples() { od -An -v -td2 -w2 "$workdir/audio.raw" 2>/dev/null; }
# "SOUNDING RISING": how many samples are not silent, and how many rising zero
# crossings they have.
measure() {
  samples | awk '$1 != 0 { n++ } prev < 0 && $1 >= 0 { up++ } { prev = $1 }
    END { print n + 0, up + 0 }'
}
# The whole tone has been recorded once the file holds its length and some silence.
recorded() {
  local sounding
  read -r sounding _ < <(measure)
  [ "$sounding" -ge 11000 ] && [ "$(samples | wc -l)" -ge 15000 ]
}

SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$workdir/audio.raw" start_program
wait_for 10 menu_waits || abort "the menu was not shown"
xdotool key --delay 0 Delete
check "the beep is recorded" wait_for 10 recorded
read -r sounding rising < <(measure)
# 250 ms at 44100 Hz is 11025 samples (a second beep would double them); the faded ends
# are quietest, a few may round to 0.
check "the tone lasts 250 ms ($sounding samples)" test "$sounding" -ge 11000 -a "$sounding" -le 11025
check "the tone has 1000 Hz ($rising rising zero crossings in 250 ms)" \
  test "$rising" -ge 249 -a "$rising" -le 251
kill "$program_pid"
wait_for_exit 5

# The machine's own audio, which under CI is none at all (ALSA finds no sound card):
# the beep is skipped or sounds, and either way nothing is printed.
start_program
wait_for 10 menu_waits || abort "the menu was not shown"
xdotool key --delay 0 Delete 7
check "after the beep the menu goes on reading keys" wait_for 5 row_is 28 "? 7"
check "around the beep nothing is printed" printed_nothing
finish beep
