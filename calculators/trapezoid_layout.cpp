// Menu item 1: right-angled trapezoids laid out along a strip, turned alternately so that
// every slanted cut serves two neighbouring pieces, with the marks of 21 cuts.
#include <cstddef>
#include <string>

#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "display/display.h"

StripLayout stripLayout(float run, float tallSide, float bottom, float shortSide) {
    StripLayout layout{};
    const float rise = tallSide - shortSide;
    const float slope = rise / run;
    const float riseOverBottom = slope * bottom;
    const float w = riseOverBottom + shortSide;
    layout.extendedHeight = w;

    const float pairLength = w + shortSide;
    const float twoTallSides = tallSide + tallSide;
    const float fraction = pairLength / twoTallSides;
    const float percent = fraction * 100.0f;
    layout.saving = 100.0f - percent;

    // Two separate running sums, so the two marks of a square cut may differ in the
    // last digit. Each step adds E on one edge and W on the other, in turn.
    float right = w;
    float left = shortSide;
    layout.rightMarks[0] = right;
    layout.leftMarks[0] = left;
    for (std::size_t i = 1; i < layout.rightMarks.size(); i += 2) {
        right = shortSide + right;
        layout.rightMarks[i] = right;
        right = right + w;
        layout.rightMarks[i + 1] = right;
        left = w + left;
        layout.leftMarks[i] = left;
        left = shortSide + left;
        layout.leftMarks[i + 1] = left;
    }
    return layout;
}

namespace {

void drawInputDiagram() {
    setColor(11);
    drawLine(50, 400, 30, 400); // the short side E
    drawLine(50, 350, 30, 350);
    drawLine(35, 405, 35, 345);
    drawLine(60, 440, 60, 410); // the bottom D
    drawLine(525, 440, 525, 410);
    drawLine(50, 435, 535, 435);
    drawLine(60, 340, 60, 120); // the run A and the flat top B
    drawLine(450, 140, 450, 120);
    drawLine(50, 125, 535, 125);
    drawLine(525, 140, 525, 120);
    drawLine(535, 400, 560, 400); // the tall side C
    drawLine(535, 150, 560, 150);
    drawLine(555, 410, 555, 140);

    setColor(12);
    drawLine(60, 400, 525, 400);
    drawLine(60, 400, 60, 350);
    drawLine(60, 350, 450, 150);
    drawLine(525, 400, 525, 150);
    drawLine(525, 150, 450, 150);
}

// Asks for one dimension on rows 5 and 6, clears the typed reply and writes the value
// over its letter on the diagram.
void askDimension(std::string_view prompt, float& value, int row, int column) {
    askValue(5, prompt, value);
    setColor(9);
    locate(6, 2);
    printText(std::string(20, ' '), true);
    echoValue(9, row, column, "", value);
}

// One pair of interlocked pieces whose bottom edge lies at y = `bottom`: a piece in
// colour 12 with a piece turned through 180 degrees above it in colour 9.
void drawPiecePair(float bottom) {
    setColor(12);
    drawLine(400, bottom, 600, bottom);
    drawLine(600, bottom, 600, bottom - 100);
    drawLine(570, bottom - 100, 600, bottom - 100);
    drawLine(400, bottom - 20, 570, bottom - 100);
    drawLine(400, bottom - 20, 400, bottom);
    setColor(9);
    drawLine(430, bottom - 37, 600, bottom - 117);
    drawLine(600, bottom - 117, 600, bottom - 137);
    drawLine(400, bottom - 137, 600, bottom - 137);
    drawLine(400, bottom - 137, 400, bottom - 37);
    drawLine(400, bottom - 37, 430, bottom - 37);
}

void drawInterlockedPieces() {
    drawPiecePair(440);
    drawPiecePair(300);
    setColor(10);
    drawLine(350, 153, 350, 450);
    drawLine(345, 440, 395, 440);
    drawLine(345, 420, 395, 420);
    drawLine(345, 300, 395, 300);
    drawLine(345, 280, 395, 280);
    drawLine(345, 163, 395, 163);
}

void printAt(int colour, int row, int column, float value) {
    setColor(colour);
    locate(row, column);
    printNumber(value, true);
}

void showCutListing(const StripLayout& layout) {
    drawBanner(titleLine(kProgramTitle, Credit::Long));
    drawInterlockedPieces();
    setColor(9);
    locate(5, 2);
    printText("Vypis souradnic", true);
    setColor(12);
    locate(6, 2);
    printText("Leva strana pasu          Prava strana pasu             Uspora materialu", true);
    setColor(9);
    locate(7, 63);
    printNumber(layout.saving, false);
    printText("%", true);
    setColor(10);
    locate(10, 43);
    printText("0", true);

    // The right edge, with the first marks also beside the measuring line.
    printAt(9, 7, 30, layout.rightMarks[0]);
    printAt(9, 14, 42, layout.rightMarks[0]);
    std::size_t mark = 0;
    for (float k = 8; k <= 26; k += 2) {
        ++mark;
        printAt(10, roundedCounter(k), 30, layout.rightMarks[mark]);
        if (k == 8) printAt(10, 19, 40, layout.rightMarks[mark]);
        if (k == 10) printAt(10, 28, 40, layout.rightMarks[mark]);
        ++mark;
        printAt(9, roundedCounter(k + 1), 30, layout.rightMarks[mark]);
        if (k + 1 == 9) printAt(9, 23, 42, layout.rightMarks[mark]);
    }

    printAt(9, 7, 2, layout.leftMarks[0]);
    mark = 0;
    for (float k = 8; k <= 26; k += 2) {
        ++mark;
        printAt(10, roundedCounter(k), 2, layout.leftMarks[mark]);
        ++mark;
        printAt(9, roundedCounter(k + 1), 2, layout.leftMarks[mark]);
    }
    pauseForEnterWithQuestion();
}

} // namespace

void runTrapezoidLayout() {
    for (;;) {
        float a = 0, b = 0, c = 0, d = 0, e = 0;
        drawBanner(titleLine(kProgramTitle, Credit::Long));
        drawInputDiagram();
        labelAt(7, 36, "A");
        labelAt(7, 59, "B");
        labelAt(16, 68, "C");
        labelAt(27, 36, "D");
        labelAt(24, 2, "E");
        askDimension("ZADEJTE SOURADNICI A", a, 7, 36);
        askDimension("ZADEJTE SOURADNICI B", b, 7, 59);
        askDimension("ZADEJTE SOURADNICI C", c, 16, 68);
        askDimension("ZADEJTE SOURADNICI D", d, 27, 36);
        askDimension("ZADEJTE SOURADNICI E", e, 24, 2);
        if (!askConfirm(5, ConfirmLayout::StripLayout)) continue;
        // B is shown on the diagram only; the layout does not depend on it.
        showCutListing(stripLayout(a, c, d, e));
        return;
    }
}
