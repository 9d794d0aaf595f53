// The display operations that the shell and the calculators call: the graphics text
// screen, printed numbers, line input with number conversion, drawing and program end.
// All of them run on the program's thread; none reports failure to its caller.
#pragma once
#include <cstdint>
#include <string_view>

// Enters the 640x480 mode with 80x30 text cells afresh: closes the old window (if any),
// creates a black frame buffer with the default palette, foreground colour 15 and the
// cursor in row 1, column 1, and opens a new window. Keys typed ahead survive.
void setScreenMode();

// Fills the whole screen with the background colour, moves the cursor to row 1,
// column 1 and cancels a pending scroll. Before the first setScreenMode it clears the
// console instead (the terminal, when standard output is one).
void clearScreen();

// Sets the foreground colour to the low 8 bits of `colour`.
void setColor(int colour);

// Moves the text cursor to `row` (1..30) and `column` (1..80); 0 keeps that coordinate.
// Out of range, the cursor stays where it is. Either way a pending scroll is cancelled.
void locate(int row, int column);

// Writes `text` at the cursor, then the line end (13, 10) as a second piece when asked.
void printText(std::string_view text, bool lineEnd);

// Writes `value` in the number text form at the cursor, then the line end when asked.
void printNumber(float value, bool lineEnd);

// Lets the operator type one line at the cursor (after `prompt` and "? " when asked)
// and keeps it for the one conversion that follows; prints a line end when asked.
void inputLine(std::string_view prompt, bool questionMark, bool lineEnd);

// Converts the next item of the typed line into a single / an unsigned byte.
void readSingle(float& value);
void readByte(std::uint8_t& value);

// Draw in the current foreground colour; coordinates in pixels, rounded half away from 0.
void drawLine(float x1, float y1, float x2, float y2);
void drawBox(float x1, float y1, float x2, float y2);
// Draws a circle outline in `colour`; the foreground colour is left as it was.
void drawCircle(float cx, float cy, float radius, int colour);

// Closes the window and ends the program with exit status `status`, printing nothing.
[[noreturn]] void endProgram(int status);
