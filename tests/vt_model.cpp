#include "tests/vt_model.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string_view>

#include "display/backends/terminal/terminal_cells.h"
#include "tests/terminfo_entry.h"

namespace {

// Cursor addressing is learnt for terminals up to this size.
constexpr int kLargestRows = 60, kLargestColumns = 132;

// What a Linux console font draws beyond ASCII: the line-drawing set of its entry.
constexpr std::u32string_view kLinuxConsoleExtras =
    U"\u2500\u2502\u250c\u2510\u2514\u2518\u251c\u2524\u252c\u2534\u253c"
    U"\u2588\u2592\u00b0\u00b1\u2264\u2265\u03c0\u00a3\u00b7\u2190\u2191\u2192\u2193";

std::string shown(std::string_view bytes) {
    std::string text;
    for (char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == 0x1B) {
            text += "ESC ";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            text += hex;
        } else {
            text.push_back(ch);
        }
    }
    return text;
}

} // namespace

VtModel::VtModel(int columns, int rows, const VtTerminal& terminal)
    : terminal_(terminal), columns_(columns), rows_(rows),
      main_(static_cast<std::size_t>(columns * rows)), alternate_(main_) {
    const TerminfoEntry entry(terminal.term);
    for (int row = 0; row < kLargestRows; ++row)
        for (int column = 0; column < kLargestColumns; ++column)
            learn(entry.string("cup", row, column), {Action::Move, row, column});
    learn(entry.string("clear"), {Action::Clear});
    learn(entry.string("smcup"), {Action::EnterAlternate});
    learn(entry.string("rmcup"), {Action::LeaveAlternate});
    learn(entry.string("civis"), {Action::HideCursor});
    learn(entry.string("cnorm"), {Action::ShowCursor});
    learn(entry.string("sgr0"), {Action::AttributesOff});
    learn(entry.string("smul"), {Action::UnderlineOn});
    learn(entry.string("rmul"), {Action::UnderlineOff});
    learn(entry.string("bold"), {Action::Bold});
    learn(entry.string("rev"), {Action::Reverse});
    learn(entry.string("bel"), {Action::Bell});
    for (int colour = 0; colour < entry.number("colors"); ++colour) {
        learn(entry.string("setaf", colour), {Action::Foreground, colour});
        learn(entry.string("setab", colour), {Action::Background, colour});
    }
}

void VtModel::learn(const std::string& bytes, Sequence sequence) {
    if (bytes.empty()) return;
    sequences_.emplace(bytes, sequence);
    for (std::size_t length = 1; length < bytes.size(); ++length)
        prefixes_.insert(bytes.substr(0, length));
}

void VtModel::resize(int columns, int rows) {
    auto resized = [&](const std::vector<VtCell>& old) {
        std::vector<VtCell> cells(static_cast<std::size_t>(columns * rows));
        for (int r = 0; r < std::min(rows, rows_); ++r)
            for (int c = 0; c < std::min(columns, columns_); ++c)
                cells[static_cast<std::size_t>(r * columns + c)] =
                    old[static_cast<std::size_t>(r * columns_ + c)];
        return cells;
    };
    main_ = resized(main_);
    alternate_ = resized(alternate_);
    columns_ = columns;
    rows_ = rows;
    row_ = std::min(row_, rows - 1);
    column_ = std::min(column_, columns - 1);
    wrapPending_ = false;
}

const VtCell& VtModel::cellAt(int row, int column) const {
    return grid()[static_cast<std::size_t>((row - 1) * columns_ + column - 1)];
}

std::string VtModel::rowText(int row) const {
    std::string text;
    for (int column = 1; column <= columns_; ++column)
        appendUtf8(text, cellAt(row, column).character);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string VtModel::text() const {
    std::string all;
    for (int row = 1; row <= rows_; ++row)
        all += rowText(row) + "\n";
    return all;
}

void VtModel::feed(std::string_view bytes) {
    for (char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (pending_.empty() && byte >= 0x20 && byte != 0x7F) {
            character(byte);
            continue;
        }
        if (utf8Remaining_ > 0) {
            faults.push_back("cut UTF-8 character");
            utf8Remaining_ = 0;
        }
        pending_.push_back(ch);
        resolvePending();
    }
}

// The RGB colour sequences ("ESC [38;2;r;g;bm", 48 for the background): true when
// `bytes` is one (`complete`) or may become one.
bool VtModel::trueColourSequence(const std::string& bytes, bool complete) {
    if (!terminal_.trueColour) return false;
    const std::string intro = bytes.size() > 2 && bytes[2] == '4' ? "\x1b[48;2;" : "\x1b[38;2;";
    if (bytes.size() <= intro.size() && !complete) return intro.starts_with(bytes);
    if (!bytes.starts_with(intro)) return false;
    const std::size_t end = bytes.find_first_not_of("0123456789;", intro.size());
    if (!complete) return end == std::string::npos;
    if (end != bytes.size() - 1 || bytes.back() != 'm') return false;
    std::vector<std::string> numbers;
    std::stringstream split(bytes.substr(intro.size(), end - intro.size()));
    for (std::string number; std::getline(split, number, ';');)
        numbers.push_back(number);
    if (numbers.size() != 3) return false;
    for (const std::string& number : numbers)
        if (number.empty() || number.size() > 3 || std::stoi(number) > 255) return false;
    const std::string rgb = numbers[0] + "," + numbers[1] + "," + numbers[2];
    (intro[2] == '3' ? pen_.foreground : pen_.background) = rgb;
    return true;
}

void VtModel::resolvePending() {
    if (prefixes_.contains(pending_) || trueColourSequence(pending_, false)) return;
    // The longest known sequence at the start of the pending bytes.
    std::size_t length = pending_.size();
    for (; length > 0; --length) {
        const std::string start = pending_.substr(0, length);
        if (const auto known = sequences_.find(start); known != sequences_.end()) {
            apply(known->second);
            break;
        }
        if (trueColourSequence(start, true)) break;
    }
    if (length == 0) {
        faults.push_back("unknown sequence " + shown(pending_));
        // Skipped up to its final byte when it has the form of one.
        length = 1;
        if (pending_.starts_with("\x1b[")) {
            const std::size_t final = pending_.find_first_of(
                "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~", 2);
            if (final != std::string::npos) length = final + 1;
        }
    }
    const std::string rest = pending_.substr(length);
    pending_.clear();
    feed(rest);
}

void VtModel::character(unsigned char byte) {
    if (terminal_.characters == VtTerminal::Characters::Ascii && byte >= 0x80) {
        faults.push_back("byte " + std::to_string(byte) + " outside 7-bit ASCII");
        return;
    }
    if (utf8Remaining_ > 0) {
        if ((byte & 0xC0) == 0x80) {
            utf8_ = (utf8_ << 6) | (byte & 0x3F);
            if (--utf8Remaining_ == 0) put(utf8_);
            return;
        }
        faults.push_back("cut UTF-8 character");
        utf8Remaining_ = 0;
    }
    if (byte < 0x80) {
        put(byte);
    } else if (byte >= 0xC2 && byte <= 0xF4) {
        utf8Remaining_ = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
        utf8_ = byte & (0x3F >> utf8Remaining_);
    } else {
        faults.push_back("stray byte " + std::to_string(byte));
    }
}

void VtModel::put(char32_t ch) {
    if (terminal_.characters == VtTerminal::Characters::LinuxConsole && ch >= 0x80 &&
        kLinuxConsoleExtras.find(ch) == std::u32string_view::npos) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(ch));
        faults.push_back(std::string("character ") + code + " not in a console font");
    }
    if (wrapPending_) {
        wrapPending_ = false;
        column_ = 0;
        if (++row_ == rows_) {
            // Scroll up by one row.
            auto& cells = grid();
            cells.erase(cells.begin(), cells.begin() + columns_);
            VtCell blank;
            blank.background = pen_.background;
            cells.insert(cells.end(), static_cast<std::size_t>(columns_), blank);
            row_ = rows_ - 1;
        }
    }
    VtCell& cell = grid()[static_cast<std::size_t>(row_ * columns_ + column_)];
    cell = pen_;
    cell.character = ch;
    if (column_ + 1 == columns_)
        wrapPending_ = true;
    else
        ++column_;
}

void VtModel::apply(const Sequence& sequence) {
    switch (sequence.action) {
    case Action::Move:
        if (sequence.first >= rows_ || sequence.second >= columns_) {
            faults.push_back("cursor moved off the screen");
            return;
        }
        row_ = sequence.first;
        column_ = sequence.second;
        wrapPending_ = false;
        return;
    case Action::Clear: {
        VtCell blank;
        blank.background = pen_.background;
        std::fill(grid().begin(), grid().end(), blank);
        row_ = column_ = 0;
        wrapPending_ = false;
        return;
    }
    case Action::EnterAlternate:
        alternateScreen = true;
        std::fill(alternate_.begin(), alternate_.end(), VtCell{});
        return;
    case Action::LeaveAlternate:
        alternateScreen = false;
        return;
    case Action::HideCursor:
        cursorHidden = true;
        return;
    case Action::ShowCursor:
        cursorHidden = false;
        return;
    case Action::AttributesOff:
        pen_ = VtCell{};
        return;
    case Action::UnderlineOn:
        pen_.underlined = true;
        return;
    case Action::UnderlineOff:
        pen_.underlined = false;
        return;
    case Action::Bold:
        pen_.bold = true;
        return;
    case Action::Reverse:
        pen_.reversed = true;
        return;
    case Action::Foreground:
        pen_.foreground = std::to_string(sequence.first);
        return;
    case Action::Background:
        pen_.background = std::to_string(sequence.first);
        return;
    case Action::Bell:
        ++bells;
        return;
    }
}
