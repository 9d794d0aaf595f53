// Menu item 4: the weight of a number of sheets in tonnes.
#include "app/furniture/furniture.h"
#include "calculators/calculators.h"
#include "display/display.h"

float sheetWeight(float sheetLength, float sheetWidth, float thickness, float count) {
    // Cubic millimetres in single precision, in this order; then m3 and tonnes in double.
    const float volume = ((sheetWidth * sheetLength) * thickness) * count;
    return static_cast<float>(static_cast<double>(volume) / 1000000000.0 * kSteelDensity);
}

void runSheetWeight() {
    for (;;) {
        float sheetLength = 0, sheetWidth = 0, thickness = 0, count = 0;
        drawBanner(titleLine("TABLOX version 1.6", Credit::Short));
        setColor(11);
        locate(5, 1);
        printText("VYPOCET HMOTNOSTI", true);
        askValue(7, "Zadej delku tabule v mm ", sheetLength);
        echoValue(9, 7, 39, "Delka tabule ", sheetLength);
        askValue(10, "Zadej sirku tabule v mm", sheetWidth);
        echoValue(9, 8, 39, "Sirka tabule ", sheetWidth);
        askValue(13, "Zadej tlousku tabule v mm      ", thickness);
        echoValue(9, 9, 39, "Tlouska tabule ", thickness);
        askValue(16, "Zadej pocet kusu        ", count);
        echoValue(9, 10, 39, "Pocet kusu     ", count);
        if (!askConfirm(20, ConfirmLayout::SheetWeight)) continue;
        const float weight = sheetWeight(sheetLength, sheetWidth, thickness, count);
        setColor(12);
        locate(11, 39);
        printText("Celkova hmotnost", false);
        printNumber(weight, false);
        printText(" TUN", true);
        pauseForEnter();
        return;
    }
}
