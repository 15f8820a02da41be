#pragma once
// The main window started the way the program starts it for a user of one
// of the shipped dictionary's languages: the machine's locale set to that
// language's locale and the current directory the dictionary's folder, so
// the window's translator opens the real cylang.mld by itself while the
// window is created. Everything the dictionary changed for the process (the
// current directory, the machine locale, the format settings, the thread
// locale, the reading direction) is put back when the scope ends.

#include "nls/Nls.h"

#include <QString>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class TMainForm;

namespace tankora::test {

struct ShippedLanguage
{
    std::string iso; // ISO 639 code
    int index = 0; // language index in the dictionary
    tankora::LocaleId localeId = 0;
};

// Messages name the language rather than dump the struct's bytes (a short
// string's unused buffer is uninitialised memory).
inline void PrintTo(const ShippedLanguage& language, std::ostream* out)
{
    *out << language.iso;
}

// Languages 1 .. L-1 of the shipped dictionary.
std::vector<ShippedLanguage> ShippedLanguages();

class StartedInLanguage
{
public:
    // With the dictionary of `folder` (default: the shipped one's folder).
    explicit StartedInLanguage(const ShippedLanguage& language, const QString& folder = {});
    ~StartedInLanguage();
    StartedInLanguage(const StartedInLanguage&) = delete;
    StartedInLanguage& operator=(const StartedInLanguage&) = delete;

    TMainForm& Form() { return *m_form; }

private:
    QString m_savedFolder;
    std::optional<tankora::ScopedMachineLocale> m_machine;
    tankora::LocaleId m_savedThreadLocale;
    std::unique_ptr<TMainForm> m_form;
};

} // namespace tankora::test

// gtest names of the shipped languages' parameters.
std::ostream& operator<<(std::ostream& out, const tankora::test::ShippedLanguage& language);
