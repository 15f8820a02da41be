#pragma once
// A command line that cannot be run: the message names the problem in one
// line; main prints it on stderr and exits with code 2.

#include <stdexcept>

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
