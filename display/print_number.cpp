// printNumber: a single in the number text form at the cursor.
#include <mutex>

#include "display/display.h"
#include "display/number_text.h"
#include "display/screen.h"

void printNumber(float value, bool lineEnd) {
    // One lock over both pieces, so the window never shows the number without its line end.
    DisplayOperation operation;
    writeText(numberText(value));
    if (lineEnd) writeText("\r\n");
}
