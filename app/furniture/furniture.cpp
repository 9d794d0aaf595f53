// The sketches of the sheet and the piece, the sketch labels, value entry and its echo.
#include "app/furniture/furniture.h"

#include "display/display.h"

void drawWideBanner(const std::string& title) {
    clearScreen();
    setScreenMode();
    setColor(11);
    locate(1, 1);
    printText(title, true);
    setColor(11);
    locate(2, 1);
    printText(webLine(std::string(15, '*')), true);
    setColor(11);
    locate(3, 1);
    printText(std::string(34, '*') + "   version with vector computering kerner", true);
    setColor(11);
    locate(4, 1);
    printText(std::string(75, '*'), true);
    drawSheetOutline();
    setColor(12);
}

void drawSheetOutline() {
    drawLine(300, 100, 550, 100);
    drawLine(550, 100, 550, 250);
    drawLine(300, 100, 300, 250);
    drawLine(300, 250, 550, 250);
}

void drawPieceOutline() {
    drawLine(302, 210, 302, 248);
    drawLine(302, 210, 400, 210);
    drawLine(400, 210, 400, 248);
    drawLine(302, 248, 400, 248);
}

void labelAt(int row, int column, std::string_view text) {
    setColor(9);
    locate(row, column);
    printText(text, true);
}

void askValue(int row, std::string_view label, float& value, bool sameRow) {
    setColor(9);
    locate(row, 2);
    printText(label, !sameRow);
    inputLine("", true, true);
    readSingle(value);
}

void echoValue(int colour, int row, int column, std::string_view text, float value) {
    setColor(colour);
    locate(row, column);
    if (!text.empty()) printText(text, false);
    printNumber(value, true);
}
