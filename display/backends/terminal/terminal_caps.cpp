#include "display/backends/terminal/terminal_caps.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <string_view>

// Last: it defines macros with common names (columns, lines, bell).
#include <term.h>

namespace {

constexpr std::string_view kWhatToDo =
    ": run the program in a terminal emulator, or where a display is available";

// The palette's colours as ANSI colour numbers (ANSI orders red before blue).
constexpr std::array<int, 8> kAnsiOfPalette = {0, 4, 2, 6, 1, 5, 3, 7};

// A capability of the current entry without its padding ("$<5>"), which no terminal
// of today needs; empty when the entry lacks it.
std::string withoutPadding(const char* text) {
    std::string out;
    if (!text || text == reinterpret_cast<const char*>(-1)) return out;
    const std::string_view s(text);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '$' && i + 1 < s.size() && s[i + 1] == '<') {
            const std::size_t end = s.find('>', i);
            if (end != std::string_view::npos &&
                s.substr(i + 2, end - i - 2).find_first_not_of("0123456789.*/") ==
                    std::string_view::npos) {
                i = end;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

std::string capability(const char* name) {
    return withoutPadding(tigetstr(name));
}

std::string withParameters(const char* name, int first, int second = 0) {
    const char* text = tigetstr(name);
    if (!text || text == reinterpret_cast<const char*>(-1)) return {};
    return withoutPadding(tiparm(text, first, second));
}

bool isTrueColour(const std::string& colorterm) {
    return colorterm == "truecolor" || colorterm == "24bit";
}

bool isLinuxConsole(const std::string& term) {
    return term == "linux" || term.starts_with("linux-");
}

// Reads the entry's sequences; the entry is the current terminal.
bool readEntry(const TerminalEnvironment& environment, TerminalCapabilities& c, std::string& why) {
    const std::string quoted = "\"" + environment.term + "\"";
    if (capability("cup").empty()) {
        why = "the terminal " + quoted + " cannot place its cursor" + std::string(kWhatToDo);
        return false;
    }
    c.clearScreen = capability("clear");
    if (c.clearScreen.empty()) {
        why = "the terminal " + quoted + " cannot clear its screen" + std::string(kWhatToDo);
        return false;
    }
    c.cursorTo.reserve(static_cast<std::size_t>(kTextRows * kTextColumns));
    for (int row = 0; row < kTextRows; ++row)
        for (int column = 0; column < kTextColumns; ++column)
            c.cursorTo.push_back(withParameters("cup", row, column));

    const int colourCount = tigetnum("colors");
    const bool hasSetaf = !capability("setaf").empty() && !capability("setab").empty();
    if (environment.noColour)
        c.colours = ColourMode::None;
    else if (isTrueColour(environment.colorterm))
        c.colours = ColourMode::TrueColour;
    else if (hasSetaf && colourCount >= 16)
        c.colours = ColourMode::Sixteen;
    else if (hasSetaf && colourCount >= 8)
        c.colours = ColourMode::Eight;
    else
        c.colours = ColourMode::None;
    for (std::size_t index = 0; index < c.foregroundSet.size(); ++index) {
        const int ansi =
            kAnsiOfPalette[index % 8] + (c.colours == ColourMode::Sixteen && index >= 8 ? 8 : 0);
        c.foregroundSet[index] = withParameters("setaf", ansi);
    }
    std::string blackBackground;
    if (c.colours == ColourMode::TrueColour)
        blackBackground = "\x1b[48;2;0;0;0m";
    else if (c.colours != ColourMode::None)
        blackBackground = withParameters("setab", 0);

    const std::string sgr0 = capability("sgr0");
    c.attributesOff = sgr0 + blackBackground;
    c.bold = capability("bold");
    // Attributes that this terminal cannot show together with colours (no_color_video).
    const int noColourVideo = c.colours == ColourMode::None ? 0 : tigetnum("ncv");
    const bool underlineClashes = noColourVideo > 0 && (noColourVideo & 2) != 0;
    const bool reverseClashes = noColourVideo > 0 && (noColourVideo & 4) != 0;
    const std::string underline = capability("smul");
    const std::string reverse = capability("rev");
    if (!underline.empty() && (!underlineClashes || reverse.empty() || reverseClashes)) {
        c.markOn = underline;
        c.markOff = capability("rmul");
        // Some entries (vt100) end underline by ending every attribute.
        if (c.markOff == sgr0 || c.markOff == "\x1b[m" || c.markOff == "\x1b[0m") c.markOff.clear();
    } else {
        c.markOn = reverse;
    }
    c.bellSequence = capability("bel");

    const std::string enterAlternate = capability("smcup");
    const std::string leaveAlternate = capability("rmcup");
    const bool alternate = !enterAlternate.empty() && !leaveAlternate.empty();
    c.takeOver = (alternate ? enterAlternate : "") + capability("civis");
    // Without a screen of its own, the program's screen is cleared for the shell.
    c.giveBack = sgr0 + (alternate ? leaveAlternate : c.clearScreen) + capability("cnorm");
    c.characters = TerminalCharacters(environment.codeset, isLinuxConsole(environment.term));
    return true;
}

} // namespace

TerminalEnvironment environmentOfThisProcess() {
    TerminalEnvironment environment;
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    environment.term = variable("TERM");
    environment.colorterm = variable("COLORTERM");
    environment.noColour = !variable("NO_COLOR").empty();
    // Only for the name of the character set: the program keeps its own LC_CTYPE (and
    // its full stop in numbers, which LC_NUMERIC governs and which is never touched).
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string previous = current ? current : "C";
    if (std::setlocale(LC_CTYPE, "")) environment.codeset = nl_langinfo(CODESET);
    std::setlocale(LC_CTYPE, previous.c_str());
    if (environment.codeset.empty()) environment.codeset = "ANSI_X3.4-1968";
    return environment;
}

const std::string& TerminalCapabilities::moveTo(int row, int column) const {
    return cursorTo[static_cast<std::size_t>((row - 1) * kTextColumns + column - 1)];
}

std::string TerminalCapabilities::foregroundOf(const Palette& palette, std::uint8_t colour) const {
    const std::size_t index = colour & 15u; // colours 16 to 255 are never used
    switch (colours) {
    case ColourMode::None:
        return {};
    case ColourMode::TrueColour: {
        const Rgb& rgb = palette[index];
        return "\x1b[38;2;" + std::to_string(rgb.r) + ";" + std::to_string(rgb.g) + ";" +
               std::to_string(rgb.b) + "m";
    }
    case ColourMode::Eight:
    case ColourMode::Sixteen:
        break;
    }
    return foregroundSet[index];
}

bool TerminalCapabilities::boldFor(std::uint8_t colour) const {
    if (bold.empty()) return false;
    const unsigned index = colour & 15u;
    if (colours == ColourMode::Eight) return index >= 8;
    return colours == ColourMode::None && (index == 4 || index == 12);
}

bool loadTerminalCapabilities(const TerminalEnvironment& environment,
                              TerminalCapabilities& capabilities, std::string& why) {
    if (environment.term.empty()) {
        why = "TERM does not name the terminal" + std::string(kWhatToDo);
        return false;
    }
    int error = 0;
    if (setupterm(environment.term.c_str(), STDOUT_FILENO, &error) != 0) {
        why = error == 0 ? "the terminal type \"" + environment.term + "\" is unknown to terminfo" +
                               std::string(kWhatToDo)
                         : "the terminal \"" + environment.term + "\" cannot place its cursor" +
                               std::string(kWhatToDo);
        if (error == -1) why = "no terminfo database was found" + std::string(kWhatToDo);
        return false;
    }
    TerminalCapabilities read;
    const bool usable = readEntry(environment, read, why);
    del_curterm(cur_term);
    if (usable) capabilities = std::move(read);
    return usable;
}
