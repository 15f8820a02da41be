#include "nls/GuiText.h"

#include "nls/CodePages.h"
#include "nls/Nls.h"

#include <algorithm>
#include <array>

namespace tankora {
namespace {

// The Windows ANSI code pages: ASCII-based and without shift states, so a
// text of ASCII characters is the same text byte for byte in each, as long
// as the converter maps every ASCII byte to itself (which is checked).
bool IsAnsiCodePage(int codePage)
{
    return codePage == 874 || codePage == 932 || codePage == 936 || codePage == 949
        || codePage == 950 || (codePage >= 1250 && codePage <= 1258);
}

// Whether ASCII texts pass through the active code page unchanged. Most GUI
// texts are ASCII; they then skip the converter, which costs as much again
// as everything else the translator does with a text. Checked once per code
// page by converting the whole ASCII range both ways.
bool ActiveCodePageKeepsAscii()
{
    thread_local int checkedCodePage = -1;
    thread_local bool keepsAscii = false;
    const int codePage = ActiveAnsiCodePage();
    if (codePage != checkedCodePage) {
        keepsAscii = false;
        if (IsAnsiCodePage(codePage)) {
            std::string ascii(0x80, '\0');
            for (std::size_t i = 0; i < ascii.size(); ++i)
                ascii[i] = static_cast<char>(i);
            const std::u16string wide = DecodeFromCodePage(ascii, codePage);
            keepsAscii = wide.size() == ascii.size()
                && std::equal(wide.begin(), wide.end(), ascii.begin(),
                    [](char16_t unit, char byte) { return unit == static_cast<char16_t>(byte); })
                && EncodeToCodePage(wide, codePage) == ascii;
        }
        checkedCodePage = codePage;
    }
    return keepsAscii;
}

// Longer texts take the converter, which also enforces its length limit.
constexpr std::size_t kLongText = 0x10000;

template <typename Unit> bool IsShortAscii(const Unit* units, std::size_t count)
{
    return count <= kLongText
        && std::all_of(units, units + count, [](Unit unit) { return (unit & ~Unit(0x7F)) == 0; });
}

} // namespace

QString AnsiToQString(std::string_view text)
{
    if (!text.empty() && IsShortAscii(text.data(), text.size()) && ActiveCodePageKeepsAscii())
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const std::u16string wide = DecodeFromCodePage(text, 0);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string QStringToAnsi(const QString& text)
{
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const auto count = static_cast<std::size_t>(text.size());
    if (count != 0 && IsShortAscii(units, count) && ActiveCodePageKeepsAscii())
        return std::string(units, units + count);
    return EncodeToCodePage(std::u16string_view(units, count), 0);
}

} // namespace tankora
