// The banner rows at the top of every screen.
#include "app/furniture/banner.h"

#include <string>

#include "display/display.h"

namespace {
constexpr std::size_t kBannerWidth = 75;

std::string rightAligned(std::string_view lead, std::string_view tail) {
    std::string row(lead);
    row.append(kBannerWidth - lead.size() - tail.size(), ' ');
    row.append(tail);
    return row;
}
} // namespace

std::string titleLine(std::string_view title, Credit credit) {
    return rightAligned(title, credit == Credit::Long ? kLongCredit : kShortCredit);
}

std::string webLine(std::string_view lead) {
    return rightAligned(lead, kWebAddress);
}

void drawBanner(const std::string& title, int ruleLength) {
    clearScreen();
    setScreenMode();
    setColor(11);
    locate(1, 1);
    printText(title, true);
    setColor(11);
    locate(2, 1);
    printText(webLine(), true);
    setColor(11);
    locate(3, 1);
    printText(std::string(static_cast<std::size_t>(ruleLength), '*'), true);
}
