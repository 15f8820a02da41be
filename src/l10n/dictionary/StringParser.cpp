#include "l10n/dictionary/StringParser.h"

#include "framework/core/Exceptions.h"

#include <charconv>

TIvStringParser::TIvStringParser(const std::string& text, char delimiter)
    : Delimiter(delimiter)
{
    SetText(text);
}

void TIvStringParser::SetText(const std::string& text)
{
    Text = text;
    Size = static_cast<int>(Text.size()) + 1;
    Position = 1;
}

std::string TIvStringParser::NextToken()
{
    if (AtEnd())
        return {};
    const auto start = static_cast<std::string::size_type>(Position - 1);
    auto stop = Text.find(Delimiter, start);
    if (stop == std::string::npos)
        stop = Text.size();
    // Past the delimiter; at the end of the text this lands on Size.
    Position = static_cast<int>(stop) + 2;
    if (Position > Size)
        Position = Size;
    return Text.substr(start, stop - start);
}

int TIvStringParser::NextInteger()
{
    return ToInteger(NextToken());
}

int TIvStringParser::ToInteger(const std::string& text)
{
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes no plus sign; accept one as decimal text may carry it.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc {} || end != last)
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}
