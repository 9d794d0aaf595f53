// Menu item 6: whether two different right-angled trapezoids, laid mirror-wise across a
// sheet, keep clear of each other at the line of each short side.
#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "calculators/mirrored_pieces.h"
#include "display/display.h"

namespace {
// `side` plus the other piece's slanted edge at `shift` from that piece's long side:
// multiplied first, divided after.
float widthAtShortSide(float side, float shift, TrapezoidPiece other) {
    const float sides = side + other.longSide;
    const float fall = other.longSide - other.shortSide;
    const float overShift = fall * shift;
    const float drop = overShift / other.length;
    return sides - drop;
}
} // namespace

MirroredPairFit twoTrapezoidsFit(float sheetLength, float sheetWidth, TrapezoidPiece lower,
                                 TrapezoidPiece upper) {
    MirroredPairFit fit{};
    // B2 stands A2 from the left end, where the lower piece (against the right end)
    // has come down by its slope over A - A2; B1 likewise A - A1 from the left end.
    fit.widthAtB2 = widthAtShortSide(upper.shortSide, sheetLength - upper.length, lower);
    fit.widthAtB1 = widthAtShortSide(lower.shortSide, sheetLength - lower.length, upper);
    fit.reserveAtB2 = sheetWidth - fit.widthAtB2;
    fit.reserveAtB1 = sheetWidth - fit.widthAtB1;
    fit.b2Intrudes = !(sheetWidth >= fit.widthAtB2);
    fit.b1Intrudes = !(sheetWidth >= fit.widthAtB1);
    return fit;
}

namespace {

// The title on both of this calculation's screens.
constexpr std::string_view kTwoTrapezoidsTitle = "TABLOX version 1.7";

struct Inputs {
    float sheetLength = 0, sheetWidth = 0;
    TrapezoidPiece lower{0, 0, 0}, upper{0, 0, 0};
};

// The cells where each value is shown: one column left of its label, except A2.
struct EchoCell {
    int row, column;
};
constexpr EchoCell kSheetLengthCell{6, 50}, kSheetWidthCell{11, 70}, kA1Cell{16, 55},
    kB1Cell{14, 43}, kC1Cell{13, 68}, kA2Cell{7, 51}, kB2Cell{9, 62}, kC2Cell{10, 37};

void ask(int row, std::string_view prompt, float& value, EchoCell echo) {
    askValue(row, prompt, value);
    echoValue(9, echo.row, echo.column, "", value);
}

void showAt(EchoCell cell, float value) {
    locate(cell.row, cell.column);
    printNumber(value, true);
}

Inputs askInputs() {
    Inputs in;
    drawBanner(titleLine(kTwoTrapezoidsTitle, Credit::Long));
    drawSheetOutline();
    drawMirroredPieces(215, 150, 160); // the upper piece is the second, the lower the first
    labelAt(6, 51, "A");
    labelAt(11, 71, "B");
    labelAt(16, 56, "A1");
    labelAt(14, 44, "B1");
    labelAt(13, 69, "C1");
    labelAt(7, 51, "A2");
    labelAt(9, 63, "B2");
    labelAt(10, 38, "C2");

    ask(6, "Rozmer delky tabule A", in.sheetLength, kSheetLengthCell);
    ask(8, "Rozmer sirky tabule B", in.sheetWidth, kSheetWidthCell);
    ask(10, "Zadej delku lichobezniku A1", in.lower.length, kA1Cell);
    ask(12, "Zadej stranu B1         ", in.lower.shortSide, kB1Cell);
    ask(14, "Zadej Stranu C1         ", in.lower.longSide, kC1Cell);
    ask(16, "Zadej delku druheho lichobezniku A2", in.upper.length, kA2Cell);
    ask(18, "Zadej stranu B2         ", in.upper.shortSide, kB2Cell);
    ask(20, "Zadej Stranu C2         ", in.upper.longSide, kC2Cell);
    return in;
}

// One of the four outcome screens. A longer upper long side (down to y 225) pictures B1
// reaching into the upper piece; a taller lower long side (up to y 130) pictures B2
// reaching into the lower piece.
void showOutcome(const Inputs& in, const MirroredPairFit& fit) {
    const float upperEnd = fit.b1Intrudes ? 225 : 200;
    const float lowerEnd = fit.b2Intrudes ? 130 : 160;
    drawWideBanner(titleLine(kTwoTrapezoidsTitle, Credit::Short));
    drawMirroredPieces(upperEnd, 160, lowerEnd);

    setColor(9);
    showAt(kSheetLengthCell, in.sheetLength);
    showAt(kSheetWidthCell, in.sheetWidth);
    showAt(kA1Cell, in.lower.length);
    showAt(kB1Cell, in.lower.shortSide);
    showAt(kC1Cell, in.lower.longSide);
    showAt(kA2Cell, in.upper.length);
    showAt(kB2Cell, in.upper.shortSide);
    showAt(kC2Cell, in.upper.longSide);

    locate(25, 1);
    printText(fit.b2Intrudes ? "Strana B2 zasahuje do spodniho tvaru. Chybi ti: "
                             : "Strana B2 nezasahuje do spodniho tvaru. Rezerva je: ",
              false);
    printNumber(fit.reserveAtB2, false);
    printText(" mm", true);
    locate(26, 1);
    if (!fit.b1Intrudes) {
        printText(fit.b2Intrudes ? "Strana B1 nezasahuje do vrchniho tvaru. Rezerva: "
                                 : "Strana B1 nezasahuje do vrchniho tvaru. Rezerva je: ",
                  false);
    } else {
        printText(fit.b2Intrudes ? "Strana B1 zasahuje do vrchniho tvaru. Chybi ti: "
                                 : "Strana B1 vsak zasahuje do vrchniho tvaru. Chybi ti: ",
                  false);
    }
    printNumber(fit.reserveAtB1, false);
    printText(" mm", true);
    pauseForEnter();
}

} // namespace

void runTwoTrapezoids() {
    const Inputs in = askInputs();
    showOutcome(in, twoTrapezoidsFit(in.sheetLength, in.sheetWidth, in.lower, in.upper));
}
