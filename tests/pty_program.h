// The real program running in a pseudo-terminal, with a model of the terminal fed from
// everything it writes. For tests of the terminal back end.
#pragma once
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tests/vt_model.h"

struct PtyOptions {
    int columns = 80;
    int rows = 30;
    bool trueColour = true;              // COLORTERM=truecolor, else no COLORTERM
    const char* term = "xterm-256color"; // TERM; nullptr: unset
    const char* locale = "C.UTF-8";      // LC_ALL
    bool noColour = false;               // NO_COLOR=1
    // The characters the model of the terminal accepts.
    VtTerminal::Characters characters = VtTerminal::Characters::Unicode;
};

class PtyProgram {
  public:
    explicit PtyProgram(PtyOptions options = {});
    ~PtyProgram();
    PtyProgram(const PtyProgram&) = delete;
    PtyProgram& operator=(const PtyProgram&) = delete;

    // Types bytes as the terminal would send them for key presses.
    void type(std::string_view bytes);
    // Reads the program's output until `done` holds for the terminal; false when it
    // does not within a generous time.
    bool waitUntil(const std::function<bool(const VtModel&)>& done);
    // Waits until `text` stands at row, column.
    bool waitForText(int row, int column, std::string_view text);
    // Changes the terminal's size; the kernel tells the program with SIGWINCH.
    void resize(int columns, int rows);
    // Sends `signal` to the program.
    void signal(int signal);
    // Waits for the program to end, reading what it still writes; the wait status, or
    // nothing when it does not end in time.
    std::optional<int> waitForExit();
    // Waits until the program has stopped (SIGSTOP); false when it does not.
    bool waitForStop();

    // The terminal's settings (flags, control characters, speeds) as text, now and as
    // they were before the program started.
    std::string settings() const;
    const std::string& settingsBefore() const { return before_; }
    // Switches to line input with echo, as a shell does while the program is stopped.
    void setShellSettings();
    // True while the terminal echoes typed characters.
    bool echoing() const;

    VtModel terminal;
    std::string output; // every byte the program wrote

  private:
    bool readSome(int timeoutMilliseconds);

    int master_ = -1;
    int slave_ = -1; // kept open so the terminal's settings outlive the program
    pid_t child_ = -1;
    bool exited_ = false;
    std::string before_;
};

// The text of the cells from row, column on, `length` cells long, in UTF-8.
std::string textAt(const VtModel& terminal, int row, int column, int length);
