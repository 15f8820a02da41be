#include "l10n/dictionary/Records.h"

#include "framework/core/Exceptions.h"
#include "l10n/dictionary/StringParser.h"
#include "nls/LocaleItems.h"

TIvLanguage::TIvLanguage()
    : TIvLanguage(0, 0, 0, {}, {}, {}, {}, 0, 0)
{ }

// The record's published constructor: one parameter per stored field.
// NOLINTNEXTLINE(readability-function-size)
TIvLanguage::TIvLanguage(int primaryLanguage, int defaultSubLanguage, int codePage,
    const std::string& subLanguagesText, const std::string& englishName,
    const std::string& nativeName, const std::string& fontName, int fontSize, std::uint8_t flags)
    : PrimaryLanguage(primaryLanguage)
    , DefaultSubLanguage(defaultSubLanguage)
    , EnglishName(englishName)
    , NativeName(nativeName)
    , FontName(fontName)
    , FontSize(fontSize)
    , Flags(flags)
{
    SetCodePage(codePage);
    SetSubLanguagesText(subLanguagesText);
}

void TIvLanguage::Assign(const TIvLanguage& source)
{
    if (&source != this)
        *this = source;
}

std::unique_ptr<TIvLanguage> TIvLanguage::Clone() const
{
    auto copy = std::make_unique<TIvLanguage>();
    copy->Assign(*this);
    return copy;
}

void TIvLanguage::Complete()
{
    if (PrimaryLanguage < 0)
        PrimaryLanguage = 0;
    const bool native = PrimaryLanguage == 0;
    if (native) {
        DefaultSubLanguage = 0;
        SubLanguages.clear();
        Flags = kFlagCodePageIndependent;
        EnglishName = "Native";
        NativeName = "Native";
    } else {
        if (DefaultSubLanguage < 1)
            DefaultSubLanguage = SubLanguages.empty() ? 1 : SubLanguageAt(0);
        const int queryId = QueryLocaleId();
        if (IsoLanguageName.empty())
            IsoLanguageName
                = tankora::LocaleItemAnsi(queryId, tankora::LocaleItem::IsoLanguageName, {});
        if (IsoCountryName.empty())
            IsoCountryName
                = tankora::LocaleItemAnsi(queryId, tankora::LocaleItem::IsoCountryName, {});
        // The code page is filled only after the name, so a Chinese name built
        // here sees code page 0 and is qualified as Simplified.
        if (EnglishName.empty()) {
            EnglishName = BuildLanguageName(
                tankora::LocaleItemAnsi(queryId, tankora::LocaleItem::EnglishLanguageName, {}),
                PrimaryLanguage, CodePage, nullptr, false);
        }
        if (NativeName.empty())
            NativeName
                = tankora::LocaleItemAnsi(queryId, tankora::LocaleItem::NativeLanguageName, {});
        if (CodePage == 0) {
            CodePage = DefaultAnsiCodePage(queryId);
            if (CodePage == 0)
                CodePage = 1252;
        }
    }
    if (SubLanguage == 0)
        SubLanguage = DefaultSubLanguage;
    if (Charset == 0)
        Charset = CharsetOfCodePage(CodePage);
}

void TIvLanguage::GetName(int kind, TIvDictionary* dictionary, std::string& name) const
{
    switch (kind) {
    case 0:
        name = BuildLanguageName(EnglishName, PrimaryLanguage, CodePage, nullptr, false);
        break;
    case 1:
        name = BuildLanguageName(NativeName, PrimaryLanguage, CodePage, nullptr, false);
        break;
    case 2:
        name = BuildLanguageName(EnglishName, PrimaryLanguage, CodePage, dictionary, true);
        break;
    default:
        break;
    }
}

void TIvLanguage::SetCodePage(int codePage)
{
    CodePage = codePage;
    if (Charset == 0)
        Charset = CharsetOfCodePage(codePage);
}

void TIvLanguage::SetSubLanguagesText(const std::string& text)
{
    SubLanguages.clear();
    TIvStringParser parser(text, ',');
    while (!parser.AtEnd()) {
        const int value = parser.NextInteger();
        if (value >= 1)
            SubLanguages.push_back(std::to_string(value));
    }
}

std::string TIvLanguage::GetSubLanguagesText() const
{
    std::string text;
    for (const auto& item : SubLanguages) {
        if (!text.empty())
            text += ',';
        text += item;
    }
    return text;
}

void TIvLanguage::SetSubLanguageNamesText(const std::string& text)
{
    SubLanguageNames.clear();
    TIvStringParser parser(text, ',');
    while (!parser.AtEnd())
        SubLanguageNames.push_back(parser.NextToken());
}

int TIvLanguage::SubLanguageAt(int index) const
{
    if (index < 0 || index >= SubLanguageCount())
        throw ERangeError();
    return TIvStringParser::ToInteger(SubLanguages[static_cast<std::size_t>(index)]);
}

void TIvLanguage::SelectSubLanguage(int sub)
{
    if (sub == SubLanguage)
        return;
    bool listed = false;
    for (int i = 0; i < SubLanguageCount() && !listed; ++i)
        listed = SubLanguageAt(i) == sub;
    if (sub < 0 || (!SubLanguages.empty() && !listed))
        SubLanguage = DefaultSubLanguage;
    else
        SubLanguage = sub;
}

int TIvLanguage::DefaultLocaleId() const
{
    // One formula for every record: for the native language (primary 0) it
    // gives 0 once completed, and never a real language's id.
    return MakeLocaleId(MakeLangId(PrimaryLanguage, DefaultSubLanguage), 0);
}

int TIvLanguage::QueryLocaleId() const
{
    if (PrimaryLanguage == 0)
        return 0;
    int sub = SubLanguages.empty() ? DefaultSubLanguage : SubLanguageAt(0);
    if (sub == 0) {
        if (PrimaryLanguage == 4 && CodePage == 936)
            sub = 2;
        else if ((PrimaryLanguage == 4 && CodePage == 950)
            || (PrimaryLanguage == 26 && CodePage == 1250))
            sub = 1;
        else if (PrimaryLanguage == 26 && CodePage == 1251)
            sub = 3;
    }
    return MakeLocaleId(MakeLangId(PrimaryLanguage, sub), 0);
}
