// Menu item 9: the side of a regular octagonal weight plate, from its mass.
#include <cmath>

#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "display/display.h"

namespace {
// The area of a regular octagon of side 1 (2 + 2 * sqrt 2), as a single.
constexpr float kOctagonFactor = 4.8284273f;
constexpr double kSquareRootOfTwo = 1.4142135623730951;
} // namespace

OctagonSide octagonSide(float plateMass, float thickness) {
    OctagonSide octagon;
    octagon.massTonnes = plateMass / 1000.0f;
    octagon.thicknessMetres = thickness / 1000.0f;
    octagon.sideSquared = static_cast<float>(octagon.massTonnes / kSteelDensity /
                                             octagon.thicknessMetres / kOctagonFactor);
    octagon.sideLength = 1000.0f * std::sqrt(octagon.sideSquared);
    octagon.cornerLeg = static_cast<float>(octagon.sideLength / kSquareRootOfTwo);
    octagon.totalWidth = (octagon.cornerLeg + octagon.cornerLeg) + octagon.sideLength;
    return octagon;
}

void runOctagonSide() {
    float plateMass = 0, thickness = 0;
    drawBanner(titleLine(kProgramTitle, Credit::Long));
    // The dimension lines in colour 11, left by the banner.
    drawLine(350, 80, 350, 180);
    drawLine(340, 90, 560, 90);
    drawLine(550, 80, 550, 180);
    drawLine(410, 80, 410, 135);
    drawLine(490, 80, 490, 135);
    drawLine(350, 300, 350, 400);
    drawLine(340, 390, 560, 390);
    drawLine(550, 300, 550, 400);
    // The octagon itself.
    setColor(12);
    drawLine(410, 150, 490, 150); // top side
    drawLine(410, 350, 490, 350); // bottom side
    drawLine(490, 150, 550, 210); // upper right corner
    drawLine(550, 290, 490, 350); // lower right corner
    drawLine(350, 210, 350, 290); // left side
    drawLine(550, 210, 550, 290); // right side
    drawLine(350, 210, 410, 150); // upper left corner
    drawLine(350, 290, 410, 350); // lower left corner
    askValue(6, "Hmotnost cinky v Kg    ", plateMass, true);
    askValue(7, "Tlouska materialu v mm ", thickness, true);
    const OctagonSide octagon = octagonSide(plateMass, thickness);
    // The side first: a text longer than ten characters runs on into the leg's cell.
    echoValue(12, 5, 52, "", octagon.sideLength);
    echoValue(12, 5, 62, "", octagon.cornerLeg);
    setColor(12);
    locate(25, 50);
    printNumber(octagon.totalWidth, false);
    printText(" mm", true);
    pauseForEnter();
}
