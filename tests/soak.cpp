// The random operator of the soak runs, and the screen changer.
#include "tests/soak.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <fstream>
#include <mutex>
#include <random>
#include <string_view>
#include <vector>

#include "display/conversions.h"
#include "display/line_editor.h"
#include "display/screen.h"
#include "tests/harness.h"

namespace {

constexpr std::string_view kMenuPrompt = "Zadec cislo a stiskni ENTER";

// The menu waits for its choice: its prompt on row 27 and the cursor behind "? " on row 28.
bool menuWaits() {
    std::lock_guard guard(display().lock);
    const Screen& s = display().screen;
    if (s.row != 27 || s.column != 2 || s.pendingScroll) return false;
    for (std::size_t i = 0; i < kMenuPrompt.size(); ++i)
        if (s.cell(26, static_cast<int>(i)).character != static_cast<std::uint8_t>(kMenuPrompt[i]))
            return false;
    return true;
}

// The menu item that a typed choice runs: 2 to 11 as typed, every other value item 1.
int itemOf(const std::string& line) {
    std::size_t position = 0;
    const int choice = byteFromItem(scanItem(line, position));
    return choice >= 2 && choice <= 11 ? choice : 1;
}

bool isEnter(int key) {
    return key == kKeyEnter || key == kKeyLineFeed;
}

// Keys the line editor ignores or that only move: function keys with Shift and Ctrl,
// Insert, Page Up and Down, Shift+Tab, Ctrl with the arrows and editing keys.
constexpr std::array<int, 16> kOtherExtended = {0x3BFF, 0x43FF, 0x54FF, 0x5CFF, 0x5EFF, 0x66FF,
                                                0x85FF, 0x86FF, 0x8AFF, 0x49FF, 0x51FF, 0x52FF,
                                                0x0FFF, 0x77FF, 0x73FF, 0x93FF};

// Numbers that calculators find hard: zero, signs, huge and tiny values, not-a-number.
constexpr std::array<std::string_view, 24> kNumbers = {
    "0",   "1",        "2",           "-1",     "250",    "1000",   "1500",  "3000",
    "0.5", "1e30",     "-1e30",       "1e39",   "1e-45",  "3.4e38", "nan.0", "inf.0",
    "-0",  "16777217", "99999999999", "&HFFFF", "0.0001", "12,5",   "1 500", "2.5e2"};

class RandomOperator {
  public:
    RandomOperator(long keyCount, unsigned startValue, SoakReport& report)
        : random_(startValue), left_(keyCount), report_(report) {}

    int operator()() {
        if (startOfLine_) beginLine();
        int key = nextKey();
        if (atMenu_) key = guardMenu(key);
        startOfLine_ = isEnter(key);
        ++report_.keys;
        --left_;
        return key;
    }

  private:
    void beginLine() {
        startOfLine_ = false;
        atMenu_ = menuWaits();
        if (!atMenu_) return;
        ++report_.menus;
        menuLine_ = {};
        queued_.clear();
        plannedItem_ = 0;
        if (left_ <= 0) {
            queue("\x1b"
                  "10\r"); // Esc, 1, 0, ENTER: the end
            plannedItem_ = 10;
        } else if (chance(85)) {
            planChoice();
        }
    }

    // A deliberate choice: the calculators in turn, in an order shuffled each round,
    // with a value that runs item 1 like 1 itself; the credits every other round only
    // (their busy loop is slow under the sanitizers).
    void planChoice() {
        if (round_.empty()) {
            constexpr std::array<std::string_view, 8> kOthers = {"0",   "12",  "99",  "255",
                                                                 "257", "259", "abc", ""};
            round_ = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
            round_.emplace_back(kOthers[static_cast<std::size_t>(below(kOthers.size()))]);
            if (++rounds_ % 2 == 0) round_.emplace_back("11");
            std::shuffle(round_.begin(), round_.end(), random_);
        }
        const std::string typed = round_.back();
        round_.pop_back();
        plannedItem_ = itemOf(typed);
        if (chance(20)) queue(" \t"); // blanks before the number
        queue(typed);
        queue("\r");
    }

    int nextKey() {
        if (!queued_.empty()) {
            const int key = queued_.front();
            queued_.pop_front();
            return key;
        }
        if (left_ <= 0) {
            if (++finishing_ > 5000) {
                report_.failure = "the menu did not come back within 5000 keys";
                throw KeysExhausted{};
            }
            return kKeyEnter;
        }
        return randomKey();
    }

    int randomKey() {
        const int pick = below(120);
        if (pick < 30) return '0' + below(10);
        if (pick < 44) return kKeyEnter;
        if (pick < 45) return kKeyLineFeed;
        if (pick < 49) return '.';
        if (pick < 53) return '-';
        if (pick < 56) return std::string_view("eEdD")[static_cast<std::size_t>(below(4))];
        if (pick < 59) return std::string_view("+, ")[static_cast<std::size_t>(below(3))];
        if (pick < 60) return '&';
        if (pick < 64) return (chance(50) ? 'a' : 'A') + below(26);
        if (pick < 72) {
            queue(kNumbers[static_cast<std::size_t>(below(kNumbers.size()))]);
            queue("\r");
            return nextKey();
        }
        if (pick < 75) return kKeyBackspace;
        if (pick < 77) return kKeyDelete;
        if (pick < 79) return kKeyLeft;
        if (pick < 81) return kKeyRight;
        if (pick < 82) return kKeyHome;
        if (pick < 83) return kKeyEnd;
        if (pick < 84) return kKeyUp;
        if (pick < 85) return kKeyDown;
        if (pick < 86) return kKeyTab;
        if (pick < 87) return kKeyEscape;
        if (pick < 89)
            return kOtherExtended[static_cast<std::size_t>(below(kOtherExtended.size()))];
        if (pick < 90) return kKeyCloseBox;
        if (pick < 91) return 128 + below(128);
        if (pick < 92) {
            const int code = 1 + below(31);
            return code == 13 || code == 10 ? 0x1A : code; // control codes, not ENTER
        }
        if (pick < 93 && chance(10)) {
            // A long run of one character: a key held down.
            const int length = 50 + below(950);
            const int key = chance(50) ? '0' + below(10) : 'a' + below(26);
            queued_.insert(queued_.end(), static_cast<std::size_t>(length), key);
            return nextKey();
        }
        return '0' + below(10);
    }

    // At the menu: an ENTER that would end the program, or run the credits unplanned,
    // becomes an Esc, which empties the line.
    int guardMenu(int key) {
        if (isEnter(key)) {
            const int item = itemOf(menuLine_.text);
            if ((item == 10 && plannedItem_ != 10) || (item == 11 && plannedItem_ != 11)) {
                key = kKeyEscape;
                queued_.clear();
            } else {
                ++report_.ran[static_cast<std::size_t>(item)];
            }
        }
        applyKey(menuLine_, key, kTextColumns);
        return key;
    }

    void queue(std::string_view typed) {
        for (char c : typed)
            queued_.push_back(static_cast<unsigned char>(c));
    }
    int below(std::size_t n) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(random_));
    }
    bool chance(int percent) { return below(100) < percent; }

    std::mt19937 random_;
    long left_;
    long finishing_ = 0;
    SoakReport& report_;
    bool startOfLine_ = true;
    bool atMenu_ = false;
    LineEdit menuLine_;
    int plannedItem_ = 0;
    std::vector<std::string> round_; // the choices still to be made in this round
    long rounds_ = 0;
    std::deque<int> queued_;
};

} // namespace

SoakReport runSoak(long keyCount, unsigned startValue) {
    SoakReport report;
    RandomOperator typist(keyCount, startValue, report);
    const auto began = std::chrono::steady_clock::now();
    const ProgramRun run = runProgram({}, {}, std::ref(typist));
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    report.exitStatus = run.exitStatus;
    report.screens = run.windows.opened;
    report.windowsLeftOpen = run.windows.opened - run.windows.closed;
    if (!run.exitStatus && report.failure.empty())
        report.failure = "the program did not end after Esc, 1, 0, ENTER at the menu";
    return report;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    return 0;
}

long runScreenChanges(long screenCount, const std::function<void(long)>& atScreen) {
    long lastScreen = -1;
    const auto typist = [&]() -> int {
        const long screens = memoryWindows().opened;
        const bool newScreen = screens != lastScreen;
        lastScreen = screens;
        if (newScreen) atScreen(screens);
        if (screens >= screenCount) throw KeysExhausted{};
        if (menuWaits()) {
            memoryWindows().script.push_back(kKeyEnter);
            return '4';
        }
        return kKeyEnter;
    };
    return runProgram({}, {}, typist).windows.opened;
}
