#pragma once
// TIvStringParser: a forward-only reader of delimiter-separated tokens, used
// for sub-language lists ("1,2,3") and for splitting display names at blanks.

#include <string>

class TIvStringParser
{
public:
    TIvStringParser(const std::string& text, char delimiter);
    virtual ~TIvStringParser() = default;

    // Restarts the reader on a new text; the delimiter stays.
    void SetText(const std::string& text);

    // True when no character is left to read.
    bool AtEnd() const { return Position >= Size; }

    // The characters from Position up to, not including, the next delimiter or
    // the end of the text (empty when the delimiter comes at once); Position
    // then moves past the delimiter. At the end it returns the empty text.
    std::string NextToken();

    // NextToken read as a decimal integer (optional sign, digits, nothing else).
    // Throws EConvertError naming the token when it is not one.
    int NextInteger();

    // A whole text read as a decimal integer, the same way as NextInteger.
    static int ToInteger(const std::string& text);

    int Position = 1; // 1-based index of the next character
    int Size = 1; // text length + 1
    char Delimiter;
    std::string Text;
};
