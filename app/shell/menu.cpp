// Start-up and the menu loop with the menu screen.
#include <cfenv>
#include <clocale>

#include "app/furniture/banner.h"
#include "app/shell/shell.h"
#include "display/display.h"

namespace {

void menuRow(int row, int colour, std::string_view text, bool lineEnd = true) {
    setColor(colour);
    locate(row, 1);
    printText(text, lineEnd);
}

void drawMenu() {
    drawBanner(titleLine(kProgramTitle, Credit::Long));
    menuRow(5, 9, "M E N U");
    menuRow(6, 9, "-------");
    menuRow(7, 9, "1.   Lichobeznik pravouhly");
    menuRow(8, 9, "2.   Kolik strihnout pasu?");
    menuRow(9, 9, "3.   Kolik strihnout pasu?", false);
    printText("   Brutal Force", true);
    menuRow(10, 9, "     with vector computering kerner. Version 1.1");
    menuRow(11, 9, "4.   Hmotnost tabuli");
    menuRow(12, 9, "5.   Dva stejne lichobezniky, zrcadlove prevracene a asymetricky ulozene ");
    menuRow(13, 9, "6.   Dva ruzne lichobezniky, zrcadlove  prevracene a asymetricky ulozene");
    menuRow(14, 9, "7.   VYPOCET HMOTNOSTI KOLA S DIROU ");
    menuRow(15, 9, "8.   VYPOCET PRUMERU CINKY ZNAME-li HMOTNOST ");
    menuRow(16, 9, "9.   VYPOCET DELKY STRANY CINKY osmiuhelnikova ZNAME-li HMOTNOST");
    menuRow(18, 12, "10.   KONEC");
    menuRow(19, 9, "11.   O autorech");
    menuRow(27, 11, "Zadec cislo a stiskni ENTER");
}

} // namespace

void runTablox() {
    // Division by zero and invalid operations give infinities and NaNs, never a trap;
    // numbers are read and written with the full stop whatever the locale.
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::setlocale(LC_NUMERIC, "C");
    for (;;) {
        drawMenu();
        chooseAndDispatch();
    }
}
