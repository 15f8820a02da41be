#pragma once
// TANKORA_DUMP=<file>: the state of the window once it has started, as JSON,
// for checks from outside (member names and layout fixed by the program's
// command-line contract). Strings are UTF-8.

#include <nlohmann/json.hpp>

#include <string>

class TCustomForm;

// The window, its dictionary and translator (null while it has none), the
// error with which the dictionary failed to open at start-up (null for
// none), the process format settings, and every component it owns, depth
// first.
nlohmann::ordered_json WindowState(
    const TCustomForm& form, const std::string& dictionaryError = {});

// Writes WindowState(form) to `path`; false with `error` set when the file
// cannot be written.
bool WriteWindowState(const TCustomForm& form, const std::string& path, std::string& error,
    const std::string& dictionaryError = {});
