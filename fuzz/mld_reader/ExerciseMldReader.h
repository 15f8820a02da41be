#pragma once
// Runs every operation of the MLD reader over arbitrary bytes, the way the
// dictionaries use it. Shared by the fuzz target and the malformed-input tests.

#include <string>
#include <vector>

// Returns the messages of the reader's errors (the layer's Exception class and
// its kinds) in the order they were raised; an image read without fault gives
// none. Any other exception (std::bad_alloc, a standard-library range error)
// escapes, so the fuzzer and the replay tests see it as the fault it is.
std::vector<std::string> ExerciseMldReader(const std::string& bytes);
