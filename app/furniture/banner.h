// The banner rows at the top of every screen: the title line with the maker's credit,
// the web line and the rule of asterisks.
#pragma once
#include <string>
#include <string_view>

// The title of the menu and of most screens.
constexpr std::string_view kProgramTitle = "TABLOX version 2.0";

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
