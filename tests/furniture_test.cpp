// The screen pieces the calculations share, called one at a time on a fresh screen.
#include <gtest/gtest.h>

#include <string>

#include "app/furniture/furniture.h"
#include "app/furniture/working_values.h"
#include "display/display.h"
#include "tests/harness.h"
#include "tests/screen_checks.h"

namespace {

// A fresh screen whose operator will type `typed`.
void freshScreenTyping(const std::string& typed) {
    freshScreen();
    const std::vector<int> codes = keys(typed);
    memoryWindows().script.assign(codes.begin(), codes.end());
}

ProgramRun snapshot() {
    ProgramRun run;
    run.screen = std::make_unique<Screen>(screen());
    run.cells = ScreenCells::decode(*run.screen);
    return run;
}

void fillRow(int row) {
    setColor(7);
    locate(row, 1);
    printText(std::string(40, 'X'), false);
}

TEST(Furniture, WideBannerLeavesTheSheetDrawnAndColourTwelve) {
    freshScreen();
    drawWideBanner(titleLine("TABLOX version 1.8", Credit::Long));
    locate(20, 1);
    printText("Z", false);
    const ProgramRun run = snapshot();
    expectRow(run, 1, longCreditTitle("TABLOX version 1.8"), 11);
    expectRow(run, 4, std::string(75, '*'), 11);
    expectRun(run, 300, 100, 550, 100, 11);
    expectRun(run, 300, 250, 550, 250, 11);
    expectText(run, 20, 1, "Z", 12);
}

TEST(Furniture, OutlinesAreDrawnInTheCurrentColour) {
    freshScreen();
    setColor(5);
    drawSheetOutline();
    setColor(6);
    drawPieceOutline();
    const ProgramRun run = snapshot();
    expectRun(run, 300, 100, 550, 100, 5);
    expectRun(run, 550, 100, 550, 250, 5);
    expectRun(run, 300, 101, 300, 250, 5);
    expectRun(run, 301, 250, 550, 250, 5);
    expectRun(run, 302, 210, 302, 248, 6);
    expectRun(run, 302, 210, 400, 210, 6);
    expectRun(run, 400, 210, 400, 248, 6);
    expectRun(run, 302, 248, 400, 248, 6);
    expectRun(run, 301, 101, 549, 101, 0); // inside the sheet, above the piece
    expectRun(run, 303, 211, 399, 211, 0); // inside the piece
}

TEST(Furniture, AskValueReadsBelowTheLabelOrBesideIt) {
    freshScreenTyping("12.5\n7\n");
    float below = 0, beside = 0;
    askValue(6, "Delka", below);
    askValue(10, "Hmotnost ", beside, true);
    const ProgramRun run = snapshot();
    EXPECT_EQ(below, 12.5f);
    EXPECT_EQ(beside, 7.0f);
    expectRow(run, 6, " Delka", 9);
    expectRow(run, 7, "? 12.5", 9);
    expectRow(run, 10, " Hmotnost ? 7", 9);
    expectRow(run, 11, "", 0);
}

TEST(Furniture, EchoValuePutsTheNumberBehindItsText) {
    freshScreen();
    echoValue(9, 5, 39, "Delka tabule ", 2000);
    echoValue(12, 6, 52, "", -1.5f);
    const ProgramRun run = snapshot();
    expectRow(run, 5, padded("", 38) + "Delka tabule  2000", 9);
    expectRow(run, 6, padded("", 51) + "-1.5", 12);
}

TEST(Furniture, ConfirmationRowsOfEachLayout) {
    struct Case {
        ConfirmLayout layout;
        int blankFrom, blankTo; // the columns the blank row wipes
        const char* noRow;
    };
    for (const Case& c : {Case{ConfirmLayout::Standard, 2, 37, "  NE - Stiskni klavesu 2"},
                          Case{ConfirmLayout::StripLayout, 1, 20, "  NE - Stiskni klavesu 2"},
                          Case{ConfirmLayout::SheetWeight, 2, 37, " NE - Stiskni klavesu 2"}}) {
        freshScreenTyping("1\n");
        fillRow(6);
        EXPECT_TRUE(askConfirm(5, c.layout));
        printText("Z", false);
        const ProgramRun run = snapshot();
        expectRow(run, 5, " JSOU SOURADNICE ZPRAVNE ZADANY?", 9);
        const std::string wiped =
            std::string(static_cast<std::size_t>(c.blankFrom - 1), 'X') +
            std::string(static_cast<std::size_t>(c.blankTo - c.blankFrom + 1), ' ');
        EXPECT_EQ(run.rowText(6), wiped + std::string(40 - wiped.size(), 'X'));
        expectRow(run, 7, " ANO - Stiskni klavesu 1", 10);
        expectRow(run, 8, c.noRow, 12);
        expectRow(run, 9, "? 1", 10);
        expectRow(run, 10, "Z", 10); // the colour stays 10
    }
}

TEST(Furniture, OnlyAnAnswerReadAsTwoMeansNo) {
    for (const char* no : {"2\n", "258\n", "2.4\n", "1.5\n", "-254\n"}) {
        freshScreenTyping(no);
        EXPECT_FALSE(askConfirm(20)) << no;
        EXPECT_EQ(choice, 2) << no;
    }
    for (const char* yes : {"1\n", "0\n", "3\n", "\n", "ne\n", "2.6\n", "257\n", "12\n"}) {
        freshScreenTyping(yes);
        EXPECT_TRUE(askConfirm(20)) << yes;
        EXPECT_NE(choice, 2) << yes;
    }
}

TEST(Furniture, RefusalOnItsRowThenThePause) {
    freshScreenTyping("5\n");
    showRefusal(24);
    const ProgramRun run = snapshot();
    expectRow(run, 24, padded("", 19) + "NELZE PROVEST! Tabule je mensi nez tvar.", 12);
    expectRow(run, 28, " pokracuj klavesou ENTER", 11);
    expectRow(run, 29, "5", 11);
    EXPECT_TRUE(memoryWindows().script.empty());
}

} // namespace
