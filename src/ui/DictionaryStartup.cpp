#include "ui/DictionaryStartup.h"

#include "framework/app/MessageBoxes.h"
#include "l10n/dictionary/FileDictionary.h"
#include "l10n/translator/Translator.h"
#include "nls/GuiText.h"

#include <QFileInfo>
#include <QTimer>

#include <exception>

void TDictionaryStartup::TakeOver(TIvTranslator& translator)
{
    m_autoOpen = translator.HasOption(ivtoAutoOpen);
    TIvTranslatorOptions options = translator.Options();
    options.setFlag(ivtoAutoOpen, false);
    translator.SetOptions(options);
}

void TDictionaryStartup::Open(TIvTranslator& translator, TIvCustomFileDictionary& dictionary)
{
    if (!m_autoOpen)
        return;
    TIvTranslatorOptions options = translator.Options();
    options.setFlag(ivtoAutoOpen, true);
    translator.SetOptions(options);
    m_autoOpen = false;
    try {
        translator.Open();
    } catch (const std::exception& error) {
        m_error = error.what();
        const QString name = tankora::AnsiToQString(dictionary.FileName());
        m_file = tankora::QStringToAnsi(QFileInfo(name).absoluteFilePath());
        // Nothing was translated before the dictionary failed; close both so
        // the window reads as stored and a later opening starts afresh.
        try {
            translator.Close();
            dictionary.Close();
        } catch (...) { }
    }
}

std::string TDictionaryStartup::Report() const
{
    if (m_error.empty())
        return {};
    std::string line = m_file + ": " + m_error;
    if (line.back() != '.' && line.back() != '!' && line.back() != '?')
        line += '.';
    return line;
}

void TDictionaryStartup::WarnOnceShown(QObject* context) const
{
    const std::string report = Report();
    if (report.empty())
        return;
    QTimer::singleShot(0, context, [report] {
        ShowWarning(
            "The dictionary cannot be used; the window shows its texts in English.\n\n" + report);
    });
}
