// The dialogs that wait for the operator: the confirmation question, the refusal
// notice and the closing pauses.
#include <string>

#include "app/furniture/furniture.h"
#include "app/furniture/working_values.h"
#include "display/display.h"

bool askConfirm(int firstRow, ConfirmLayout layout) {
    setColor(9);
    locate(firstRow, 2);
    printText("JSOU SOURADNICE ZPRAVNE ZADANY?", true);
    setColor(9);
    if (layout == ConfirmLayout::StripLayout) {
        locate(firstRow + 1, 1);
        printText(std::string(20, ' '), true);
    } else {
        locate(firstRow + 1, 2);
        printText(std::string(36, ' '), true);
    }
    setColor(10);
    locate(firstRow + 2, 2);
    printText("ANO - Stiskni klavesu 1", true);
    setColor(12);
    locate(firstRow + 3, 2);
    printText(layout == ConfirmLayout::SheetWeight ? "NE - Stiskni klavesu 2"
                                                   : " NE - Stiskni klavesu 2",
              true);
    setColor(10);
    inputLine("", true, true);
    readByte(choice);
    return choice != 2;
}

void showRefusal(int row) {
    setColor(12);
    locate(row, 20);
    printText("NELZE PROVEST! Tabule je mensi nez tvar.", true);
    pauseForEnter();
}

void pauseForEnter() {
    setColor(11);
    locate(28, 2);
    printText("pokracuj klavesou ENTER", true);
    inputLine("", false, false);
    readSingle(scratch);
}

void pauseForEnterWithQuestion() {
    setColor(11);
    locate(28, 2);
    printText(" klavesou ENTER", true);
    inputLine("", true, true);
    readSingle(scratch);
}
