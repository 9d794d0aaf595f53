#include "calculators/mirrored_pieces.h"

#include "display/display.h"

void drawMirroredPieces(float upperLongEnd, float upperShortEnd, float lowerLongEnd) {
    setColor(12);
    drawLine(302, 102, 302, upperLongEnd);
    drawLine(302, 102, 500, 102);
    drawLine(302, upperLongEnd, 500, upperShortEnd);
    drawLine(500, upperShortEnd, 500, 102);
    drawLine(548, 248, 548, lowerLongEnd);
    drawLine(548, lowerLongEnd, 350, 200);
    drawLine(548, 248, 350, 248);
    drawLine(350, 248, 350, 200);
}
