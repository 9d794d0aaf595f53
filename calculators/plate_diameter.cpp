// Menu item 8: the outer diameter of a round weight plate with a hole, from its mass.
#include <cmath>

#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "calculators/ring_sketch.h"
#include "display/display.h"

PlateDiameter plateDiameter(float plateMass, float innerDiameter, float thickness) {
    PlateDiameter plate;
    plate.thicknessDm = static_cast<float>(thickness * 0.01);
    // Halved first, then scaled to dm.
    plate.innerRadius = static_cast<float>(innerDiameter / 2.0 * 0.01);
    plate.innerMass = discMass(plate.thicknessDm, plate.innerRadius);
    plate.totalMass = plateMass + plate.innerMass;
    // The radius in dm of a full disc of the total mass, as a diameter in mm.
    const double massPerSquare = plate.thicknessDm * kDiscMassFactor;
    plate.outerDiameter = static_cast<float>(200.0 * std::sqrt(plate.totalMass / massPerSquare));
    return plate;
}

void runPlateDiameter() {
    float plateMass = 0, innerDiameter = 0, thickness = 0;
    drawBanner(titleLine(kProgramTitle, Credit::Long), 75);
    setColor(11);
    locate(5, 1);
    printText("VYPOCET PRUMERU KRUHU", true);
    drawRingSketch();
    askValue(7, "Hmotnost cinky v Kg ", plateMass, true);
    askValue(8, "Vnitrni prumer v mm ", innerDiameter, true);
    echoValue(11, 13, 55, "", innerDiameter);
    askValue(9, "Tlouska materialu v mm ", thickness, true);
    const PlateDiameter plate = plateDiameter(plateMass, innerDiameter, thickness);
    setColor(12);
    locate(24, 39);
    printText("Vnejsi prumer kola bude ", false);
    printNumber(plate.outerDiameter, false);
    printText(" mm", true);
    setColor(11);
    locate(6, 52);
    printNumber(plate.outerDiameter, false);
    printText(" mm ", true);
    pauseForEnter();
}
