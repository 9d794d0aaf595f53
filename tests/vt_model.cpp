#include "tests/vt_model.h"

#include <algorithm>
#include <sstream>

#include "display/backends/terminal_cells.h"

VtModel::VtModel(int columns, int rows)
    : columns_(columns), rows_(rows), main_(static_cast<std::size_t>(columns * rows)),
      alternate_(main_) {}

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
        switch (state_) {
        case State::Escape:
            if (byte == '[') {
                state_ = State::Csi;
                parameters_.clear();
            } else {
                faults.push_back("ESC " + std::string(1, ch));
                state_ = State::Ground;
            }
            continue;
        case State::Csi:
            if (byte >= 0x20 && byte <= 0x3F) {
                parameters_.push_back(ch);
            } else if (byte >= 0x40 && byte <= 0x7E) {
                state_ = State::Ground;
                sequence(parameters_, ch);
            } else {
                faults.push_back("control byte inside a sequence");
                state_ = State::Ground;
            }
            continue;
        case State::Ground:
            break;
        }
        if (utf8Remaining_ > 0) {
            if ((byte & 0xC0) == 0x80) {
                utf8_ = (utf8_ << 6) | (byte & 0x3F);
                if (--utf8Remaining_ == 0) put(utf8_);
                continue;
            }
            faults.push_back("cut UTF-8 character");
            utf8Remaining_ = 0;
        }
        if (byte < 0x20 || byte == 0x7F) {
            control(byte);
        } else if (byte < 0x80) {
            put(byte);
        } else if (byte >= 0xC2 && byte <= 0xF4) {
            utf8Remaining_ = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
            utf8_ = byte & (0x3F >> utf8Remaining_);
        } else {
            faults.push_back("stray byte " + std::to_string(byte));
        }
    }
}

void VtModel::control(unsigned char byte) {
    if (byte == 0x1B)
        state_ = State::Escape;
    else if (byte == 0x07)
        ++bells;
    else
        faults.push_back("control byte " + std::to_string(byte));
}

void VtModel::put(char32_t ch) {
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

void VtModel::sequence(const std::string& parameters, char final) {
    std::vector<std::string> numbers;
    std::stringstream split(parameters);
    for (std::string number; std::getline(split, number, ';');)
        numbers.push_back(number);
    auto fault = [&] { faults.push_back("CSI " + parameters + final); };
    switch (final) {
    case 'H': {
        const int row = numbers.size() > 0 && !numbers[0].empty() ? std::stoi(numbers[0]) : 1;
        const int column = numbers.size() > 1 && !numbers[1].empty() ? std::stoi(numbers[1]) : 1;
        if (row < 1 || column < 1 || row > rows_ || column > columns_) return fault();
        row_ = row - 1;
        column_ = column - 1;
        wrapPending_ = false;
        return;
    }
    case 'J': {
        if (parameters != "2") return fault();
        VtCell blank;
        blank.background = pen_.background;
        std::fill(grid().begin(), grid().end(), blank);
        return;
    }
    case 'h':
    case 'l': {
        const bool set = final == 'h';
        if (parameters == "?1049") {
            alternateScreen = set;
            if (set) std::fill(alternate_.begin(), alternate_.end(), VtCell{});
        } else if (parameters == "?25") {
            cursorHidden = !set;
        } else {
            fault();
        }
        return;
    }
    case 'm':
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const std::string& n = numbers[i];
            if (n.empty() || n == "0") {
                pen_ = VtCell{};
            } else if (n == "4") {
                pen_.underlined = true;
            } else if (n == "24") {
                pen_.underlined = false;
            } else if ((n == "38" || n == "48") && i + 4 < numbers.size() &&
                       numbers[i + 1] == "2") {
                const std::string rgb =
                    numbers[i + 2] + "," + numbers[i + 3] + "," + numbers[i + 4];
                (n == "38" ? pen_.foreground : pen_.background) = rgb;
                i += 4;
            } else {
                const int value = std::stoi(n);
                if ((value >= 30 && value <= 37) || (value >= 90 && value <= 97))
                    pen_.foreground = n;
                else if (value >= 40 && value <= 47)
                    pen_.background = n;
                else
                    fault();
            }
        }
        return;
    default:
        fault();
    }
}
