// Which pixels a line, a box outline and a circle outline set on a given screen. Each
// marks exactly the rows it wrote. Coordinates are pixels, rounded half away from zero;
// nothing is ever written outside the 640x480 screen.
#pragma once
#include <cstdint>

#include "display/screen.h"

// A solid line from the first point to the second, both ends included. A NaN coordinate
// draws nothing; coordinates beyond +-2^40 are taken as +-2^40 (far outside the screen).
void lineOnScreen(Screen& s, float x1, float y1, float x2, float y2, std::uint8_t colour);

// The one-pixel outline of the rectangle with opposite corners (x1, y1) and (x2, y2).
void boxOnScreen(Screen& s, float x1, float y1, float x2, float y2, std::uint8_t colour);

// The outline of the circle of radius `radius` around (cx, cy), by the full-circle
// method. A radius of 0 or less, a NaN, or a radius above kLargestCircleRadius draws
// nothing.
void circleOnScreen(Screen& s, float cx, float cy, float radius, std::uint8_t colour);

// The largest radius drawn. Its 64-bit steps (up to 2r^3) stay exact up to here, and the
// work stays a few million steps; beyond it the outline lies more than a million pixels
// from the centre.
constexpr float kLargestCircleRadius = 1048576.0f; // 2^20
