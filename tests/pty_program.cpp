#include "tests/pty_program.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <utmp.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "display/backends/terminal/terminal_cells.h"

extern char** environ;

namespace {
constexpr auto kPatience = std::chrono::seconds(20);
}

PtyProgram::PtyProgram(PtyOptions options)
    : terminal(options.columns, options.rows,
               {options.term ? options.term : "", options.trueColour, options.characters}) {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(options.columns);
    size.ws_row = static_cast<unsigned short>(options.rows);
    if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    before_ = settings();

    // The environment of the program: no display, so the terminal is the window; the
    // terminal and the locale as the options say.
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        const std::string_view entry(*v);
        const std::string_view name = entry.substr(0, entry.find('='));
        const bool dropped = name == "DISPLAY" || name == "WAYLAND_DISPLAY" ||
                             name == "COLORTERM" || name == "TERM" || name == "NO_COLOR" ||
                             name == "LANG" || name.starts_with("LC_") || name == "LOCPATH";
        if (!dropped) variables.emplace_back(entry);
    }
    if (options.term) variables.emplace_back(std::string("TERM=") + options.term);
    if (options.trueColour) variables.emplace_back("COLORTERM=truecolor");
    variables.emplace_back(std::string("LC_ALL=") + options.locale);
    if (options.noColour) variables.emplace_back("NO_COLOR=1");
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    char program[] = TABLOX_PROGRAM;
    char* argv[] = {program, nullptr};

    child_ = fork();
    if (child_ < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (child_ == 0) {
        close(master_);
        if (login_tty(slave_) != 0) _exit(126);
        const rlimit noCore{0, 0}; // the signal tests end it with SIGQUIT and SIGSEGV
        setrlimit(RLIMIT_CORE, &noCore);
        execve(program, argv, envp.data());
        _exit(127);
    }
}

PtyProgram::~PtyProgram() {
    if (!exited_) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    close(master_);
    close(slave_);
}

void PtyProgram::type(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(master_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error(std::string("write: ") + std::strerror(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool PtyProgram::readSome(int timeoutMilliseconds) {
    pollfd watched{master_, POLLIN, 0};
    if (poll(&watched, 1, timeoutMilliseconds) <= 0) return false;
    std::array<char, 4096> bytes{};
    const ssize_t count = read(master_, bytes.data(), bytes.size());
    if (count <= 0) return false;
    const std::string_view got(bytes.data(), static_cast<std::size_t>(count));
    output += got;
    terminal.feed(got);
    return true;
}

bool PtyProgram::waitUntil(const std::function<bool(const VtModel&)>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done(terminal)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        readSome(100);
    }
    return true;
}

bool PtyProgram::waitForText(int row, int column, std::string_view text) {
    const int length = static_cast<int>(text.size());
    return waitUntil([&](const VtModel& t) { return textAt(t, row, column, length) == text; });
}

void PtyProgram::resize(int columns, int rows) {
    winsize size{};
    size.ws_col = static_cast<unsigned short>(columns);
    size.ws_row = static_cast<unsigned short>(rows);
    ioctl(master_, TIOCSWINSZ, &size);
    terminal.resize(columns, rows);
}

void PtyProgram::signal(int signal) {
    kill(child_, signal);
}

std::optional<int> PtyProgram::waitForExit() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            exited_ = true;
            while (readSome(0)) {
            }
            return status;
        }
        readSome(50);
    }
    return std::nullopt;
}

bool PtyProgram::waitForStop() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(child_, &status, WNOHANG | WUNTRACED) == child_) return WIFSTOPPED(status);
        readSome(50);
    }
    return false;
}

std::string PtyProgram::settings() const {
    termios now{};
    tcgetattr(slave_, &now);
    char flags[80];
    std::snprintf(flags, sizeof flags, "%x:%x:%x:%x:%x:%x", now.c_iflag, now.c_oflag, now.c_cflag,
                  now.c_lflag, static_cast<unsigned>(cfgetispeed(&now)),
                  static_cast<unsigned>(cfgetospeed(&now)));
    std::string text = flags;
    for (cc_t c : now.c_cc)
        text += ":" + std::to_string(c);
    return text;
}

void PtyProgram::setShellSettings() {
    termios now{};
    tcgetattr(slave_, &now);
    now.c_lflag |= ECHO | ICANON;
    now.c_iflag |= ICRNL;
    tcsetattr(slave_, TCSANOW, &now);
}

bool PtyProgram::echoing() const {
    termios now{};
    tcgetattr(slave_, &now);
    return (now.c_lflag & ECHO) != 0;
}

std::string textAt(const VtModel& terminal, int row, int column, int length) {
    std::string text;
    if (row < 1 || row > terminal.rows()) return text;
    for (int c = column; c < column + length && c <= terminal.columns(); ++c)
        appendUtf8(text, terminal.cellAt(row, c).character);
    return text;
}
