#pragma once
// The window's automatic dictionary opening, made safe for the user.
//
// The translator opens its dictionary by itself once the stored layout has
// been read; an unusable cylang.mld (truncated, corrupt, or with no language
// the machine supports) would then end the window's creation. The window
// takes that opening over instead: it switches the translator's automatic
// opening off before the translator is told the layout is loaded, and opens
// the same way itself with the failure caught. A failed opening leaves the
// dictionary and the translator closed, so the window shows its texts as
// stored, and keeps the error for the program to report.

#include <string>

class QObject;
class TIvCustomFileDictionary;
class TIvTranslator;

class TDictionaryStartup
{
public:
    // Call from the form's Loaded, which runs before the translator's.
    void TakeOver(TIvTranslator& translator);

    // Opens as the translator's automatic opening would have, when it was on;
    // restores the translator's option either way. Never raises.
    void Open(TIvTranslator& translator, TIvCustomFileDictionary& dictionary);

    // The text of the error of a failed opening; empty when there was none.
    const std::string& Error() const { return m_error; }
    // The absolute path of the file that failed (8-bit, as the dictionary
    // names it); empty when there was no error.
    const std::string& File() const { return m_file; }

    // "FILE: ERROR." as one line for people; empty when there was no error.
    std::string Report() const;
    // After a failed opening: a warning box with the report, shown once the
    // event loop runs (so after the window has appeared). Nothing otherwise.
    void WarnOnceShown(QObject* context) const;

private:
    bool m_autoOpen = false;
    std::string m_error;
    std::string m_file;
};
