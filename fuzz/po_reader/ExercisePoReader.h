#pragma once
// Runs the PO reader over bytes, and the writer over what it read: the
// reader must take the written catalog back and write it again unchanged.
// Returns false for bytes the reader refuses (an expected outcome); aborts
// when the round trip breaks; any other exception escapes.

#include <string_view>

bool ExercisePoReader(std::string_view bytes);
