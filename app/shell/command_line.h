// The two requests the command line can make before the program starts: the usage
// (--help) and the version (--version). Every other argument is accepted and ignored.
#pragma once
#include <optional>

// When an argument is --help or --version (the first such one counts), prints the usage
// or "tablox <version>" on the standard output and gives the exit status: 0, or 1 when
// the text could not be written. Otherwise nullopt: the program starts as usual.
std::optional<int> answerCommandLine(int argc, const char* const* argv);
