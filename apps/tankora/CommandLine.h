#pragma once
// The window's own command-line options, answered before any window or
// display is needed: --help (-h) and --version. Every other argument is left
// to the window (a first argument that is a number picks the language).

#include <iosfwd>

// Prints the help or the version when argv[1] asks for it and returns true;
// the program then ends with exit code 0.
bool AnswerCommandLine(int argc, char** argv, std::ostream& out);
