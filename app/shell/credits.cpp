// The credits screen: both name lines flicker through colours 0 to 12.
#include <string>

#include "app/furniture/furniture.h"
#include "app/shell/shell.h"
#include "display/display.h"

namespace {
constexpr std::string_view kProgrammer = "Pavel Hrubec"; // 12 characters each
constexpr std::string_view kTester = "Ivana Marsik";
static_assert(kProgrammer.size() == 12 && kTester.size() == 12);
} // namespace

void runCredits() {
    drawBanner(titleLine(kProgramTitle, Credit::Long));
    setColor(11);
    locate(3, 1);
    printText(std::string(77, '*'), true);
    const std::string programmerLine = std::string("Programoval - ") + std::string(kProgrammer);
    const std::string testerLine = std::string("Testoval    - ") + std::string(kTester);
    for (float outer = 0; outer <= 12; outer += 1) {
        setColor(roundedCounter(outer));
        locate(13, 25);
        printText(programmerLine, true);
        for (float inner = 0; inner <= 12; inner += 1) {
            setColor(roundedCounter(inner));
            locate(15, 25);
            printText(testerLine, true);
        }
        // The only delay: 10001 empty passes. The volatile counter keeps the optimiser
        // from removing the loop.
        volatile float wait = 0;
        while (wait <= 10000)
            wait = wait + 1;
    }
    pauseForEnter();
}
