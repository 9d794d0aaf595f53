// Placeholders for the calculations that are not built yet: each shows its banner
// title and the label of its first value, then waits for ENTER. Remove each one as
// its file lands.
#include "app/shell.h"
#include "calculators/calculators.h"
#include "display/display.h"

namespace {
void notYetBuilt(std::string_view title, Credit credit, int labelRow, std::string_view label) {
    drawBanner(titleLine(title, credit));
    setColor(9);
    locate(labelRow, 2);
    printText(label, true);
    pauseForEnter();
}
} // namespace

void runTrapezoidLayout() {
    notYetBuilt("TABLOX version 2.0", Credit::Long, 5, "ZADEJTE SOURADNICI A");
}
void runEqualTrapezoids() {
    notYetBuilt("TABLOX version 2.0", Credit::Short, 6, "Rozmer delky tabule A v mm");
}
void runTwoTrapezoids() {
    notYetBuilt("TABLOX version 1.7", Credit::Long, 6, "Rozmer delky tabule A");
}
