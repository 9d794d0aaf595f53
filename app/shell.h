// The shell: start-up, the menu loop, the choice and its dispatch, and the screen
// furniture that every calculation shares.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

// The menu selection, and the answer of every confirmation question.
extern std::uint8_t choice;
// What every closing pause reads into; nothing uses it.
extern float scratch;

// Start-up, then the menu loop; leaves only through endProgram.
[[noreturn]] void runTablox();

enum class Credit { Long, Short };
constexpr std::string_view kLongCredit = "(c) P. Hrubec 1998 - 2004";    // 25 columns
constexpr std::string_view kShortCredit = "(c) P.Hrubec 2002-04";        // 20 columns
constexpr std::string_view kWebAddress = "http://www.strihyhrubec.test"; // 28 columns
static_assert(kLongCredit.size() == 25 && kShortCredit.size() == 20 && kWebAddress.size() == 28);

// A 75-column banner row: `title` from column 1 and the credit ending in column 75.
std::string titleLine(std::string_view title, Credit credit);
// A 75-column row that ends with the web address in column 75, `lead` before the gap.
std::string webLine(std::string_view lead = "");

// Clears, enters the graphics mode and prints the three banner rows in colour 11; the
// rule on row 3 has `ruleLength` asterisks. Leaves colour 11, cursor on row 4, column 1.
void drawBanner(const std::string& title, int ruleLength = 76);

// A small loop counter used as a row or a colour: the nearest whole number, halves to
// the even neighbour. Only for counters that stay within int's range.
inline int roundedCounter(float counter) {
    return static_cast<int>(std::nearbyint(counter));
}

// Reads the choice under the drawn menu and runs what it names.
void chooseAndDispatch();

// The closing pause: "pokracuj klavesou ENTER" on row 28 and an input line.
void pauseForEnter();
// The closing pause of the trapezoid layout: " klavesou ENTER" on row 28 and an input
// line with the question mark and a line end.
void pauseForEnterWithQuestion();

// The credits screen, menu item 11; returns after its closing pause.
void runCredits();
