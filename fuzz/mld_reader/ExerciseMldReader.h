#pragma once
// Runs every operation of the MLD reader over arbitrary bytes, the way the
// dictionaries use it. Shared by the fuzz target and the malformed-input tests.

#include <string>

// Returns normally or throws std::exception (the reader's specified errors);
// anything else (a crash, a hang, a sanitizer report) is a fault.
void ExerciseMldReader(const std::string& bytes);
