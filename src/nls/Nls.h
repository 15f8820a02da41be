#pragma once
// National-language support: Windows locale ids over ICU locales, the
// machine's default locales and active ANSI code page, the thread locale and
// the supported locales.
//
// Locale ids use the Windows layout: bits 0..9 primary language, bits 10..15
// sub-language, bits 16..19 sort id. 0x400 stands for the user's default
// locale and 0x800 for the system's default locale wherever a query resolves
// ids. The program calls these from the GUI thread only; the state here
// (machine override, thread locale) is not locked.

#include "nls/LocaleId.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tankora {

// The ICU locale name ("de_DE", "zh_Hant_TW") of a Windows locale id, or an
// empty text when ICU knows no locale for it. Does not resolve 0x400/0x800.
std::string IcuLocaleName(LocaleId id);

// The Windows locale id of an ICU or POSIX locale name. Accepts "de_DE",
// "de-DE", "de_DE.UTF-8", "de_DE.UTF-8@euro"; a bare language ("de") gets its
// most likely country. Returns nullopt for "C", "POSIX", empty and unknown
// names.
std::optional<LocaleId> LocaleIdFromName(std::string_view name);

// The user default locale id that the given environment values select: the
// first non-empty of LC_ALL, LC_MESSAGES, LANG; 0x0409 when that is "C",
// "POSIX", unknown, or when all are empty.
LocaleId LocaleIdFromEnvironment(
    std::string_view lcAll, std::string_view lcMessages, std::string_view lang);

// Replaces what the machine would answer. Tests use this to run under a
// chosen locale and code page whatever the environment holds; each field left
// empty falls back to the environment. The program never calls it.
struct MachineLocale
{
    std::optional<LocaleId> userDefault;
    std::optional<LocaleId> systemDefault;
    std::optional<int> activeCodePage;
};
void SetMachineLocale(const MachineLocale& machine);
MachineLocale CurrentMachineLocaleOverride();

// Sets a machine locale for one scope and restores the previous one after.
class ScopedMachineLocale
{
public:
    explicit ScopedMachineLocale(const MachineLocale& machine);
    ~ScopedMachineLocale();
    ScopedMachineLocale(const ScopedMachineLocale&) = delete;
    ScopedMachineLocale& operator=(const ScopedMachineLocale&) = delete;

private:
    MachineLocale m_previous;
};

// The user's default locale id (the environment unless overridden).
LocaleId UserDefaultLocaleId();

// The system's default locale id (the same source unless overridden).
LocaleId SystemDefaultLocaleId();

// Maps 0x400 to the user and 0x800 to the system default locale id; 0 (the
// neutral locale) also means the user default; every other id is returned.
LocaleId ResolveLocaleId(LocaleId id);

// The active ANSI code page: the default ANSI code page of the system default
// locale, 1252 when that locale has none (Unicode-only), unless overridden.
int ActiveAnsiCodePage();

// Whether the code page is a double-byte one (932, 936, 949, 950, 1361).
bool IsMultiByteCodePage(int codePage);

// Whether the active ANSI code page is a double-byte one (the "far east" flag).
bool IsMultiByteSystem();

// Every specific locale id (sub-language not 0) that ICU has data for, sorted
// ascending and without duplicates.
const std::vector<LocaleId>& SupportedLocaleIds();

// Whether ICU knows a locale for the id (0x400/0x800 resolved first).
bool IsLocaleIdKnown(LocaleId id);

// The calling thread's locale: the user default locale until set.
LocaleId ThreadLocale();
void SetThreadLocale(LocaleId id);

} // namespace tankora
