// Placeholders for the calculations that are not built yet: each shows an empty
// screen under the banner and waits for ENTER. Remove each one as its file lands.
#include "app/shell.h"
#include "calculators/calculators.h"

namespace {
void notYetBuilt() {
    drawBanner(titleLine("TABLOX version 2.0", Credit::Long));
    pauseForEnter();
}
} // namespace

void runStripCount() { notYetBuilt(); }
void runStripPlan() { notYetBuilt(); }
