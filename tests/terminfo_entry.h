// The strings of a terminfo entry, read with libtinfo, for the terminal model of the tests.
#pragma once
#include <string>

class TerminfoEntry {
  public:
    // The entry of terminal type `term`; without one (unknown, or empty `term`) every
    // capability is absent.
    explicit TerminfoEntry(const std::string& term);
    ~TerminfoEntry();
    TerminfoEntry(const TerminfoEntry&) = delete;
    TerminfoEntry& operator=(const TerminfoEntry&) = delete;

    // The string capability `name` with parameters applied and padding ("$<5>") left
    // out; empty when the entry lacks it.
    std::string string(const char* name, int first = 0, int second = 0) const;
    // The numeric capability `name`, or -1.
    int number(const char* name) const;

  private:
    void* terminal_; // the entry as libtinfo holds it
};
