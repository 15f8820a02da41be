#pragma once
// Runs the reader of stored dictionary data over arbitrary bytes the way the
// binary dictionary does: first as a whole stored layout (finding the three
// properties of "Dictionary1"), then as the three lists on their own. Shared
// by the fuzz target and the tests.

#include <string>
#include <vector>

// The messages of the reader's errors (the layer's Exception class and its
// kinds), in the order raised; well-formed data gives none. Any other
// exception escapes, so the fuzzer and the tests see it as the fault it is.
std::vector<std::string> ExerciseStoredDictionary(const std::string& bytes);
