// Menu item 5: whether two equal right-angled trapezoids, the second turned through 180
// degrees, fit side by side across a sheet.
#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "calculators/mirrored_pieces.h"
#include "display/display.h"

EqualPairFit equalTrapezoidsFit(float sheetLength, float sheetWidth, float pieceLength,
                                float shortSide, float longSide) {
    // Along the overlap one piece's depth falls as fast as the other's rises, so the
    // width the pair needs is the same everywhere: the two sides less the slope over
    // the shift between the pieces. Divided first, multiplied after.
    const float sides = longSide + shortSide;
    const float shift = sheetLength - pieceLength;
    const float fall = longSide - shortSide;
    const float slope = fall / pieceLength;
    const float overShift = slope * shift;
    const float needed = sides - overShift;
    return {needed, sheetWidth - needed, sheetWidth >= needed};
}

void runEqualTrapezoids() {
    float sheetLength = 0, sheetWidth = 0, pieceLength = 0, shortSide = 0, longSide = 0;
    drawBanner(titleLine(kProgramTitle, Credit::Short));
    drawSheetOutline();
    drawMirroredPieces(200, 160, 160);
    labelAt(6, 51, "A");
    labelAt(11, 71, "B");
    labelAt(16, 56, "A1");
    labelAt(14, 44, "B1");
    labelAt(13, 69, "C1");

    // Each value is echoed one column left of its label, its leading blank on the
    // column before the label, so the digits stand where the label stood.
    askValue(6, "Rozmer delky tabule A v mm", sheetLength);
    echoValue(9, 6, 50, "", sheetLength);
    askValue(9, "Rozmer sirky tabule B v mm", sheetWidth);
    echoValue(9, 11, 70, "", sheetWidth);
    askValue(12, "Zadej delku lichobezniku A1 v mm", pieceLength);
    echoValue(9, 16, 55, "", pieceLength);
    askValue(15, "Zadej stranu B1 v mm    ", shortSide);
    echoValue(9, 14, 43, "", shortSide);
    askValue(18, "Zadej Stranu C1 v mm    ", longSide);
    echoValue(9, 13, 68, "", longSide);

    const EqualPairFit fit =
        equalTrapezoidsFit(sheetLength, sheetWidth, pieceLength, shortSide, longSide);
    if (fit.fits) {
        setColor(9);
        locate(25, 1);
        printText(" Tvary se vejdou na plech. Rezerva mezi tvary je: ", false);
    } else {
        setColor(12);
        locate(25, 1);
        printText(" Dva tvary se na plech nevejdou. Chybi ti ", false);
    }
    printNumber(fit.reserve, false);
    printText(" mm", true);
    pauseForEnter();
}
