#pragma once
// The whole text of an exception, for the one line a program prints.

#include <exception>
#include <string>

// An Exception's message may hold a NUL (a name read from a file), where
// what() would cut it; other exceptions give what().
std::string FullMessage(const std::exception& error);
