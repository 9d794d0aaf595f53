#include "tests/terminfo_entry.h"

#include <string_view>

#include <term.h>

namespace {
std::string withoutPadding(std::string text) {
    for (std::size_t at; (at = text.find("$<")) != std::string::npos;) {
        const std::size_t end = text.find('>', at);
        if (end == std::string::npos) break;
        text.erase(at, end - at + 1);
    }
    return text;
}

// Makes the entry current for the calls of one lookup.
struct Current {
    explicit Current(void* entry) : previous(set_curterm(static_cast<TERMINAL*>(entry))) {}
    ~Current() { set_curterm(previous); }
    TERMINAL* previous;
};
} // namespace

TerminfoEntry::TerminfoEntry(const std::string& term) {
    TERMINAL* previous = cur_term;
    int error = 0;
    terminal_ = !term.empty() && setupterm(term.c_str(), -1, &error) == 0 ? cur_term : nullptr;
    set_curterm(previous);
}

TerminfoEntry::~TerminfoEntry() {
    if (terminal_) del_curterm(static_cast<TERMINAL*>(terminal_));
}

std::string TerminfoEntry::string(const char* name, int first, int second) const {
    if (!terminal_) return {};
    Current current(terminal_);
    const char* format = tigetstr(name);
    if (!format || format == reinterpret_cast<const char*>(-1)) return {};
    return withoutPadding(tiparm(format, first, second));
}

int TerminfoEntry::number(const char* name) const {
    if (!terminal_) return -1;
    Current current(terminal_);
    return tigetnum(name);
}
