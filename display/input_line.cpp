// inputLine and the conversions of the typed line: the input context that joins them.
#include <cstddef>
#include <string>

#include "display/conversions.h"
#include "display/display.h"
#include "display/line_editor.h"
#include "display/screen.h"

namespace {

// The last typed line and how far the conversions have read it.
struct InputContext {
    std::string line;
    std::size_t readPosition = 0;
};

InputContext& inputContext() {
    static InputContext context;
    return context;
}

} // namespace

void inputLine(std::string_view prompt, bool questionMark, bool lineEnd) {
    InputContext& context = inputContext();
    context.line.clear();
    context.readPosition = 0;
    writeText(""); // carries out a pending scroll first
    if (!prompt.empty()) printText(prompt, false);
    if (questionMark) printText("? ", false);
    context.line = editLine();
    if (lineEnd) printText("", true);
}

void readSingle(float& value) {
    InputContext& context = inputContext();
    value = singleFromItem(scanItem(context.line, context.readPosition));
}

void readByte(std::uint8_t& value) {
    InputContext& context = inputContext();
    value = byteFromItem(scanItem(context.line, context.readPosition));
}
