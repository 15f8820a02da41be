#include "l10n/dictionary/Dictionary.h"

#include "l10n/dictionary/StringParser.h"

namespace {

// Translates pieces of a display name when asked, through the given
// dictionary or, when none is given, the default one.
class NamePieceTranslator
{
public:
    NamePieceTranslator(TIvDictionary* dictionary, bool translate)
        : m_dictionary(dictionary)
        , m_translate(translate)
    { }

    std::string operator()(const std::string& text) const
    {
        if (!m_translate)
            return text;
        return TranslateText(m_dictionary ? m_dictionary : DefaultDictionary(), text);
    }

private:
    TIvDictionary* m_dictionary;
    bool m_translate;
};

std::string FirstWord(const std::string& name)
{
    TIvStringParser parser(name, ' ');
    return parser.NextToken();
}

// The text before the first "(", trailing blanks kept; the whole name without one.
std::string BeforeParenthesis(const std::string& name)
{
    return name.substr(0, name.find('('));
}

std::string ChineseQualifier(int codePage)
{
    return codePage == 950 ? "Traditional" : "Simplified";
}

} // namespace

std::string TIvLanguage::BuildLanguageName(const std::string& name, int primaryLanguage,
    int codePage, TIvDictionary* dictionary, bool translate)
{
    const NamePieceTranslator tr(dictionary, translate);
    switch (primaryLanguage) {
    case 10:
    case 20:
        return tr(FirstWord(name));
    case 4:
        return tr(BeforeParenthesis(name)) + ", " + tr(ChineseQualifier(codePage));
    case 18: {
        std::string result = tr(BeforeParenthesis(name));
        if (codePage == 1361)
            result += ", " + tr("Johab");
        return result;
    }
    default:
        return tr(name);
    }
}

std::string TIvLocale::BuildLocaleName(const std::string& languageName,
    const std::string& countryName, int codePage, int subLanguage, int primaryLanguage,
    TIvDictionary* dictionary, bool translate)
{
    const NamePieceTranslator tr(dictionary, translate);
    std::string country = countryName;
    std::string result;
    switch (primaryLanguage) {
    case 20:
        result = tr(FirstWord(languageName));
        if (subLanguage == 1)
            country = "Bokmal";
        else if (subLanguage == 2)
            country = "Nynorsk";
        break;
    case 10:
        result = tr(FirstWord(languageName));
        break;
    case 26: {
        std::string language = FirstWord(languageName);
        if (subLanguage == 1)
            language = "Croatian";
        else if (subLanguage == 2)
            language = "Serbian-Latin";
        else if (subLanguage == 3)
            language = "Serbian";
        result = tr(language);
        break;
    }
    case 4:
        result = tr(BeforeParenthesis(languageName));
        if (codePage != 0)
            result += ", " + tr(ChineseQualifier(codePage));
        break;
    case 18:
        result = tr(BeforeParenthesis(languageName));
        if (codePage == 1361)
            result += ", " + tr("Johab");
        if (subLanguage == 2)
            country = "Johab";
        break;
    default:
        result = tr(languageName);
        break;
    }
    if (subLanguage != 0)
        result += " (" + tr(country) + ")";
    return result;
}
