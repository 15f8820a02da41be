// File-name helpers over 8-bit path texts (taken as the bytes of the path).
#pragma once

#include <string>

// An absolute, normalised path ("." and ".." resolved textually) for name,
// relative names taken against the current directory. An empty name gives
// the current directory.
std::string ExpandFileName(const std::string& name);
// True when name is an existing file (not a directory).
bool FileExists(const std::string& name);
// The folder part of a path including its trailing '/', or "" without one.
std::string ExtractFilePath(const std::string& name);
// The running program's full file name.
std::string ProgramFileName();
// The running program's folder, with a trailing '/'.
std::string ProgramFolder();
