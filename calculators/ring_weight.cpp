// Menu item 7: the mass of a ring cut from plate.
#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "calculators/ring_sketch.h"
#include "display/display.h"

namespace {
// A typed millimetre diameter as a radius in dm: scaled first, then halved, in double.
float radiusDm(float diameter) {
    return static_cast<float>(diameter * 0.01 / 2.0);
}
} // namespace

RingWeight ringWeight(float outerDiameter, float innerDiameter, float thickness) {
    RingWeight ring;
    ring.outerRadius = radiusDm(outerDiameter);
    ring.innerRadius = radiusDm(innerDiameter);
    ring.thicknessDm = static_cast<float>(thickness * 0.01);
    ring.outerMass = discMass(ring.thicknessDm, ring.outerRadius);
    ring.innerMass = discMass(ring.thicknessDm, ring.innerRadius);
    ring.ringMass = ring.outerMass - ring.innerMass;
    return ring;
}

void runRingWeight() {
    float outerDiameter = 0, innerDiameter = 0, thickness = 0;
    drawBanner(titleLine(kProgramTitle, Credit::Long));
    setColor(11);
    locate(5, 1);
    printText("VYPOCET HMOTNOSTI KOLA S DIROU", true);
    drawRingSketch();
    askValue(7, "Vnejsi prumer v mm ", outerDiameter, true);
    setColor(11);
    locate(6, 54);
    printNumber(outerDiameter, false);
    printText(" mm ", true);
    askValue(8, "Vnitrni prumer v mm ", innerDiameter, true);
    echoValue(11, 13, 55, "", innerDiameter);
    askValue(9, "Tloustka v mm ", thickness, true);
    const RingWeight ring = ringWeight(outerDiameter, innerDiameter, thickness);
    setColor(12);
    locate(24, 39);
    printText("Celkova hmotnost KOLA", false);
    printNumber(ring.ringMass, false);
    printText(" Kg", true);
    pauseForEnter();
}
