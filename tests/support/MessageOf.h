#pragma once
// The message of the exception of type E that an action throws.

#include <functional>
#include <string>

inline constexpr const char* kNoException = "no exception";

// what() of the E that action throws; kNoException when it throws none.
template <typename E> std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return kNoException;
}
