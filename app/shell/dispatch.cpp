// The menu choice and what it runs.
#include "app/furniture/working_values.h"
#include "app/shell/shell.h"
#include "calculators/calculators.h"
#include "display/display.h"

void chooseAndDispatch() {
    locate(28, 1); // the colour stays 11, that of the prompt above
    inputLine("", true, true);
    readByte(choice);
    // One row a menu item.
    // clang-format off
    switch (choice) {
    case 2: runStripCount(); break;
    case 3: runStripPlan(); break;
    case 4: runSheetWeight(); break;
    case 5: runEqualTrapezoids(); break;
    case 6: runTwoTrapezoids(); break;
    case 7: runRingWeight(); break;
    case 8: runPlateDiameter(); break;
    case 9: runOctagonSide(); break;
    case 10: endProgram(0);
    case 11: runCredits(); break;
    default: runTrapezoidLayout(); break; // 1 and every value without an item of its own
    }
    // clang-format on
}
