// The menu screen at start-up, cell by cell.
#include <gtest/gtest.h>

#include <string>

#include "tests/harness.h"

namespace {

void expectRow(const ProgramRun& run, int row, int colour, const std::string& text) {
    EXPECT_EQ(run.rowText(row), text) << "row " << row;
    for (int column = 1; column <= static_cast<int>(text.size()); ++column) {
        if (text[static_cast<std::size_t>(column - 1)] != ' ') {
            EXPECT_EQ(run.cellAt(row, column).colour, colour)
                << "row " << row << " column " << column;
        }
    }
}

TEST(MenuScreen, ShowsTheBannerAndItemsInTheirCellsAndColours) {
    const ProgramRun run = runProgram({});
    EXPECT_FALSE(run.exitStatus);
    EXPECT_EQ(run.windows.opened, 1);
    expectRow(run, 1, 11,
              "TABLOX version 2.0                                "
              "(c) P. Hrubec 1998 - 2004");
    expectRow(run, 2, 11, std::string(47, ' ') + "http://www.strihyhrubec.test");
    expectRow(run, 3, 11, std::string(76, '*'));
    expectRow(run, 4, 0, "");
    expectRow(run, 5, 9, "M E N U");
    expectRow(run, 6, 9, "-------");
    expectRow(run, 7, 9, "1.   Lichobeznik pravouhly");
    expectRow(run, 8, 9, "2.   Kolik strihnout pasu?");
    expectRow(run, 9, 9, "3.   Kolik strihnout pasu?   Brutal Force");
    expectRow(run, 10, 9, "     with vector computering kerner. Version 1.1");
    expectRow(run, 11, 9, "4.   Hmotnost tabuli");
    expectRow(run, 12, 9,
              "5.   Dva stejne lichobezniky, zrcadlove prevracene a asymetricky ulozene");
    expectRow(run, 13, 9,
              "6.   Dva ruzne lichobezniky, zrcadlove  prevracene a asymetricky ulozene");
    expectRow(run, 14, 9, "7.   VYPOCET HMOTNOSTI KOLA S DIROU");
    expectRow(run, 15, 9, "8.   VYPOCET PRUMERU CINKY ZNAME-li HMOTNOST");
    expectRow(run, 16, 9, "9.   VYPOCET DELKY STRANY CINKY osmiuhelnikova ZNAME-li HMOTNOST");
    expectRow(run, 17, 0, "");
    expectRow(run, 18, 12, "10.   KONEC");
    expectRow(run, 19, 9, "11.   O autorech");
    for (int row = 20; row <= 26; ++row)
        expectRow(run, row, 0, "");
    expectRow(run, 27, 11, "Zadec cislo a stiskni ENTER");
    expectRow(run, 28, 11, "?");
    expectRow(run, 29, 0, "");
    expectRow(run, 30, 0, "");
}

TEST(MenuScreen, WindowIsTitledAfterTheExecutable) {
    const ProgramRun run = runProgram({});
    EXPECT_EQ(run.windows.title, "tablox_tests");
}

TEST(MenuScreen, KeysTypedAheadSurviveTheScreenChange) {
    // "4", ENTER typed before the menu is drawn still choose item 4, which opens a new
    // window; "1" typed before that reaches its first input.
    const ProgramRun run = runProgram({}, keys("4\n1"));
    EXPECT_EQ(run.windows.opened, 2);
    EXPECT_EQ(run.windows.closed, 1);
    EXPECT_EQ(run.rowText(5), "VYPOCET HMOTNOSTI");
    EXPECT_EQ(run.rowText(8), "? 1");
}

} // namespace
