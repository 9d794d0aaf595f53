// The nine calculations of the menu. Each runs its screens from the top and returns
// after its closing pause; a refusal or the answer 2 restarts it from its first screen.
#pragma once

void runTrapezoidLayout();  // 1: right-angled trapezoid strip layout
void runStripCount();       // 2: strip count for one width
void runStripPlan();        // 3: strip and sheet plan with weight
void runSheetWeight();      // 4: sheet weight
void runEqualTrapezoids();  // 5: two equal mirrored trapezoids
void runTwoTrapezoids();    // 6: two different mirrored trapezoids
void runRingWeight();       // 7: ring weight
void runPlateDiameter();    // 8: round plate diameter from mass
void runOctagonSide();      // 9: octagonal plate side from mass

// The arithmetic of each calculation, apart from its screens.

// Weight in tonnes of `count` steel sheets (7.87 t/m3); dimensions in mm.
float sheetWeight(float sheetLength, float sheetWidth, float thickness, float count);
