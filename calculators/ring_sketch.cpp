#include "calculators/ring_sketch.h"

#include "display/display.h"

void drawRingSketch() {
    drawCircle(450, 250, 100, 12);
    drawCircle(450, 250, 20, 12);
    setColor(11);
    drawLine(350, 80, 350, 230);  // outer diameter: left extension line
    drawLine(340, 90, 560, 90);   // outer diameter: dimension line
    drawLine(550, 80, 550, 230);  // outer diameter: right extension line
    drawLine(430, 200, 430, 230); // hole: left extension line
    drawLine(420, 210, 480, 210); // hole: dimension line
    drawLine(470, 200, 470, 230); // hole: right extension line
}
