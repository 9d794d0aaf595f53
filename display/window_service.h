// The window service: shows the screen in a window, turns key presses into key codes
// and sounds the beep. One back end serves each window; the back ends are tried in order.
#pragma once
#include <memory>
#include <string>
#include <vector>

// One window showing display().screen. Implementations live in display/backends/.
class WindowBackend {
  public:
    virtual ~WindowBackend() = default;
    // Opens a window titled `title` whose client area shows the 640x480 frame buffer
    // of display().screen, refreshed from the changed-row marks, and writes the keys
    // typed into it to display().keys. On failure returns false and sets `why`.
    virtual bool open(const std::string& title, std::string& why) = 0;
    // Closes the window and waits until everything serving it has stopped.
    virtual void close() = 0;
    // Sounds 1000 Hz for 250 ms where sound is possible; returns at once otherwise.
    virtual void beep() = 0;
    // A display operation has marked rows: show them soon, all of them at once, taking
    // them under the screen lock. Called on the program's thread, without the lock.
    virtual void showChanges() = 0;
    // Called by the line editor while no key waits: returns once a key may wait, or
    // once an end signal has been noted. The default waits for display().keys to be
    // written from another thread.
    virtual void awaitKey();
};

using BackendFactory = std::unique_ptr<WindowBackend> (*)();

// The back ends that setScreenMode tries, in order.
void setWindowBackends(std::vector<BackendFactory> factories);

// Opens a new window (handing it the keyboard) and then closes the old one.
// Returns false when no back end could open one, with `why` naming the reason of each
// ("cannot open a window (...), and ...").
bool replaceWindow(const std::string& title, std::string& why);
// Closes the window, if one is open.
void closeWindow();
void windowBeep();
// Asks the window to show the rows that a display operation has marked.
void windowShowChanges();
// The line editor's wait while no key waits: the window is asked to show what has been
// drawn, then the back end's awaitKey waits. An end signal
// noted before or during the wait ends the program through endProgram
// (display/end_signals.h).
void windowAwaitKey();
// Waits, without a time limit, until display().keys is written or an end signal is noted.
void awaitKeyOrEndSignal();

// Clears the console, the terminal the program was started from, once at the start.
// Only the back ends know how; without a clear set here, nothing is cleared.
void setConsoleClear(void (*clear)());
void clearConsole();

// Thrown by endProgram (and when no window can be opened at all); the program's
// entry point returns `status` as the exit status.
struct ProgramEnded {
    int status;
};
