// The pieces every calculation screen is built from: the banners, the sheet and piece
// sketches, value entry with its echo, the confirmation question, the refusal, the
// closing pauses and the rounding of counters shown as rows or colours. The one header
// from app/ that a calculation includes; nothing here knows the calculations or the menu.
#pragma once
#include <cmath>
#include <string>
#include <string_view>

#include "app/furniture/banner.h"

// A small loop counter used as a row or a colour: the nearest whole number, halves to
// the even neighbour. Only for counters that stay within int's range.
inline int roundedCounter(float counter) {
    return static_cast<int>(std::nearbyint(counter));
}

// Clears, enters the graphics mode and prints the four-row banner, then draws the sheet
// outline in colour 11. Leaves colour 12.
void drawWideBanner(const std::string& title);

// The 250x150 sheet rectangle from (300,100) to (550,250) in the current colour.
void drawSheetOutline();
// The small piece rectangle from (302,210) to (400,248) in the current colour.
void drawPieceOutline();

// Prints a sketch label (a dimension's letter) in colour 9 at (row, column), with a line end.
void labelAt(int row, int column, std::string_view text);

// Prints `label` in colour 9 at `row`, column 2 (with a line end unless `sameRow`), then
// reads one typed line with the question mark into `value`.
void askValue(int row, std::string_view label, float& value, bool sameRow = false);

// Prints `text` and then `value` with a line end at (row, column) in `colour`.
void echoValue(int colour, int row, int column, std::string_view text, float value);

// How the confirmation question looks on each screen.
enum class ConfirmLayout {
    Standard,    // blank row of 36 spaces at column 2; " NE - Stiskni klavesu 2"
    StripLayout, // blank row of 20 spaces at column 1
    SheetWeight, // the no-row without its leading blank
};

// Asks "JSOU SOURADNICE ZPRAVNE ZADANY?" from `firstRow` and reads the answer into
// `choice`. Returns false only for the answer 2, which restarts the calculation.
bool askConfirm(int firstRow, ConfirmLayout layout = ConfirmLayout::Standard);

// Shows "NELZE PROVEST! Tabule je mensi nez tvar." at `row` and pauses for ENTER; the
// calculation then starts again from its first screen.
void showRefusal(int row);

// The closing pause: "pokracuj klavesou ENTER" on row 28 and an input line.
void pauseForEnter();
// The closing pause of the trapezoid layout: " klavesou ENTER" on row 28 and an input
// line with the question mark and a line end.
void pauseForEnterWithQuestion();
