// Checks of the decoded screen that the whole-screen tests share.
#pragma once
#include <string>

#include "tests/harness.h"

// The characters of `length` cells from (row, column); a cell of drawing pixels is '#'.
std::string cellsText(const ProgramRun& run, int row, int column, int length);

// Expects `text` in the cells from (row, column), and every character of it that is not
// a blank in `colour`.
void expectText(const ProgramRun& run, int row, int column, const std::string& text, int colour);

// Expects row `row` to read `text` up to its last character, in `colour`.
void expectRow(const ProgramRun& run, int row, const std::string& text, int colour);

// Expects the pixels from (x1, y1) to (x2, y2), a horizontal or a vertical run, in
// `colour`.
void expectRun(const ProgramRun& run, int x1, int y1, int x2, int y2, int colour);

// The three rows of the banner with `title`, and a rule of `ruleLength` asterisks.
void expectBanner(const ProgramRun& run, const std::string& title, int ruleLength = 76);

// The title rows of the banners: the title from column 1, the credit ending in column 75.
std::string longCreditTitle(const std::string& title);
std::string shortCreditTitle(const std::string& title);

// `text` followed by blanks up to `width` columns.
std::string padded(std::string text, std::size_t width);
