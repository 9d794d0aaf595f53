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

void runStripCount() {
    notYetBuilt("TABLOX version 2.0", Credit::Long, 6, "Sirka tvaru B v mm");
}
void runStripPlan() {
    notYetBuilt("TABLOX version 1.8", Credit::Long, 6, "Delka tvaru A v mm");
}
