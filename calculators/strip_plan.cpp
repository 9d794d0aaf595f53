// Menu item 3: rectangular pieces on sheets, with the rest of each sheet used for
// turned pieces, the sheets, strips, weight and waste.
#include <cmath>

#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "display/display.h"

float floorSingle(float value) {
    // Rounds in single precision itself: no conversion to an integer type, so huge
    // values, infinities and NaN come back unchanged.
    return std::floor(value);
}

StripPlan stripPlan(float A, float B, float count, float A1, float B1, float thickness) {
    StripPlan p;
    p.fitA = floorSingle(A1 / A);
    p.fitB = floorSingle(B1 / B);
    p.restLength = A1 - (A * p.fitA);
    if (p.restLength >= B) {
        p.restAcross = floorSingle(p.restLength / B);
        p.restAlong = floorSingle(B1 / A);
        p.restUsed = 1;
    }
    p.restPieces = p.restAlong * p.restAcross;
    // The rest counts only when the grid of one sheet holds fewer pieces than needed.
    p.perSheet = p.fitA * p.fitB;
    if (!(p.perSheet >= count)) p.perSheet = (p.fitA * p.fitB) + p.restPieces;
    p.sheets = count / p.perSheet;
    p.sheetsShown = floorSingle(p.sheets * 10) / 10;
    p.stripsAlong = count / p.fitA;
    p.stripsAcross = count / p.fitB;
    p.weightRaw = sheetWeight(A1, B1, thickness, p.sheets); // fraction of a sheet included
    p.weightShown = floorSingle(4 * p.weightRaw) / 4;
    // Only the grid pieces count as used; the rest pieces do not lower the waste.
    const float sheetArea = (B1 * A1) * p.sheets;
    const float piecesArea = (((A * p.fitA) * p.fitB) * B) * p.sheets;
    const float wasteShare = (sheetArea - piecesArea) / ((B1 * A1) * p.sheets);
    p.wasteRaw = wasteShare * 100;
    p.wastePercent = floorSingle(p.wasteRaw);
    p.wholeSheets = floorSingle(p.sheets);
    p.lastSheetRaw = (p.sheets - p.wholeSheets) * 100;
    p.lastSheetPercent = floorSingle(p.lastSheetRaw);
    return p;
}

namespace {

// The title on both of this calculation's screens.
constexpr std::string_view kStripPlanTitle = "TABLOX version 1.8";

void echoInputs(float A, float B, float count, float A1, float B1) {
    echoValue(9, 13, 43, "", A);
    echoValue(9, 15, 52, "", B);
    echoValue(9, 17, 39, "Pocet kusu ", count);
    echoValue(9, 6, 50, "", A1);
    echoValue(9, 11, 70, "", B1);
}

void showPlan(const StripPlan& p, float A, float B, float count, float A1, float B1) {
    drawWideBanner(titleLine(kStripPlanTitle, Credit::Short));
    drawPieceOutline();
    if (p.restUsed == 1) drawBox(530, 101, 548, 248);
    echoInputs(A, B, count, A1, B1);
    setColor(9);
    locate(6, 1);
    printText(" Z jedne tabule vyrobis ", false);
    printNumber(p.perSheet, false);
    printText(" KS", true);
    setColor(9);
    locate(7, 1);
    printText(" Budes potrebovat       ", false);
    printNumber(p.sheetsShown, false);
    printText(" plechu", true);
    setColor(9);
    locate(8, 1);
    printText(" Strihni", false);
    printNumber(p.stripsAcross, false);
    printText(" pasu ", false);
    printNumber(B1, false);
    printText(" x", false);
    printNumber(A, true);
    setColor(9);
    locate(9, 1);
    printText("   nebo", false);
    printNumber(p.stripsAlong, false);
    printText(" pasu ", false);
    printNumber(A1, false);
    printText(" x", false);
    printNumber(B, true);
    if (p.restUsed == 1) {
        setColor(9);
        locate(9, 1);
        printText(" Ze zbytku vyjde", false);
        printNumber(p.restPieces, false);
        printText(" KS               ", true);
    }
    setColor(9);
    locate(10, 1);
    printText(" Celkova hmotnost", false);
    printNumber(p.weightShown, false);
    printText(" Tun", true);
    setColor(9);
    locate(11, 1);
    printText(" Odpad", false);
    printNumber(p.wastePercent, false);
    printText("%", true);
    setColor(9);
    locate(13, 1);
    printText(" Udaje o posledni tabuli:  ", true);
    setColor(9);
    locate(14, 1);
    printText(" Posledni tabule bude vyuzita ze", false);
    printNumber(p.lastSheetPercent, false);
    printText("%", true);
}

} // namespace

void runStripPlan() {
    for (;;) {
        float A = 0, B = 0, count = 0, A1 = 0, B1 = 0, thickness = 0;
        drawWideBanner(titleLine(kStripPlanTitle, Credit::Long));
        drawPieceOutline();
        labelAt(13, 43, "A");
        labelAt(15, 52, "B");
        echoValue(9, 17, 39, "Pocet kusu ", count); // 0 until it is typed
        labelAt(6, 50, "A1");
        labelAt(11, 70, "B1");
        askValue(6, "Delka tvaru A v mm", A);
        echoValue(9, 13, 43, "", A);
        askValue(9, "Sirka tvaru B v mm", B);
        echoValue(9, 15, 52, "", B);
        askValue(12, "Pocet kusu        ", count);
        echoValue(9, 17, 39, "Pocet kusu ", count);
        askValue(15, "Rozmer delky tabule A1 v mm", A1);
        echoValue(9, 6, 50, "", A1);
        askValue(18, "Rozmer sirky tabule B1 v mm", B1);
        echoValue(9, 11, 70, "", B1);
        if (B > B1 || A > A1) {
            showRefusal(24);
            continue;
        }
        askValue(21, "Tlouska tabule         ", thickness);
        echoValue(9, 18, 39, "Tlouska tabule ", thickness);
        if (!askConfirm(25)) continue;
        clearScreen();
        showPlan(stripPlan(A, B, count, A1, B1, thickness), A, B, count, A1, B1);
        pauseForEnter();
        return;
    }
}
