#pragma once
// What a dictionary switches on in the application around it: the display of
// exceptions nothing caught, and the translated resource strings while it is
// open. The string helpers that do this translate through the dictionary, so
// they sit above it; they fill these slots in (DictionaryHookSetup.cpp) and
// the dictionary calls down into the slots. GUI thread only.

#include <exception>

struct TIvDictionaryHooks
{
    void (*showException)(const std::exception& error) = nullptr;
    void (*installResourceHook)() = nullptr;
    void (*removeResourceHook)() = nullptr;
    bool (*resourceHookInstalled)() = nullptr;
};

// The process's slots. Filled before main runs: the library's link interface
// names the setup's anchor, so a static link cannot drop it.
TIvDictionaryHooks& DictionaryHooks();
