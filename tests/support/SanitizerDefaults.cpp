// Leak reports from inside two system libraries (fontconfig's caches, the
// D-Bus connection Qt opens) are not ours to fix. Our own code is never
// suppressed here, nor is Qt: a leak with a frame of ours still fails the run.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
