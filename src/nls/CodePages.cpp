#include "nls/CodePages.h"

#include "nls/Nls.h"

#include <unicode/ucnv.h>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace tankora {
namespace {

constexpr int kJohab = 1361;
constexpr char kReplacement = '?';

// ICU converter names of the Windows code pages; "windows-NNN" where ICU has
// Microsoft's table (ICU's "cp949" is an IBM table, not Windows').
std::string IcuConverterName(int codePage)
{
    switch (codePage) {
    case 20127:
        return "US-ASCII";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 28603:
        return "ISO-8859-13";
    case 28605:
        return "ISO-8859-15";
    case 65001:
        return "UTF-8";
    case 10000:
        return "macintosh";
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28599) {
        return "ISO-8859-" + std::to_string(codePage - 28590);
    }
    if (codePage < 1000) {
        const bool windowsTable = codePage == 874 || codePage == 932 || codePage == 936
            || codePage == 949 || codePage == 950;
        return (windowsTable ? "windows-" : "ibm-") + std::to_string(codePage);
    }
    return "windows-" + std::to_string(codePage);
}

// Windows code pages worth offering; SupportedCodePages keeps those a
// converter opens for.
constexpr std::array kCandidateCodePages {
    437,
    720,
    737,
    775,
    850,
    852,
    855,
    857,
    858,
    860,
    861,
    862,
    863,
    864,
    865,
    866,
    869,
    874,
    932,
    936,
    949,
    950,
    1250,
    1251,
    1252,
    1253,
    1254,
    1255,
    1256,
    1257,
    1258,
    1361,
    10000,
    20127,
    20866,
    21866,
    28591,
    28592,
    28593,
    28594,
    28595,
    28596,
    28597,
    28598,
    28599,
    28603,
    28605,
    65001,
};

struct ConverterCloser
{
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr OpenIcuConverter(int codePage)
{
    // Only the listed Windows code pages are offered, whatever other tables
    // ICU holds; this also keeps the cache as small as the list.
    if (std::find(kCandidateCodePages.begin(), kCandidateCodePages.end(), codePage)
        == kCandidateCodePages.end()) {
        return nullptr;
    }
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open(IcuConverterName(codePage).c_str(), &status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    ucnv_setSubstChars(converter.get(), &kReplacement, 1, &status);
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

// Opened converters are kept: opening one per string would dominate reading
// a Unicode dictionary.
class ConverterCache
{
public:
    // Runs `use` with the code page's converter (reset), or returns false
    // when none exists.
    template <typename Use> bool With(int codePage, Use&& use)
    {
        std::lock_guard lock(m_mutex);
        auto it = m_converters.find(codePage);
        if (it == m_converters.end()) {
            it = m_converters.emplace(codePage, OpenIcuConverter(codePage)).first;
        }
        if (!it->second) {
            return false;
        }
        ucnv_reset(it->second.get());
        use(it->second.get());
        return true;
    }

private:
    std::mutex m_mutex;
    std::map<int, ConverterPtr> m_converters;
};

ConverterCache& Converters()
{
    static ConverterCache cache;
    return cache;
}

const char* NativeUtf16Name()
{
    return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
}

class Iconv
{
public:
    Iconv(const char* to, const char* from)
        : m_handle(iconv_open(to, from))
    { }
    ~Iconv()
    {
        if (IsOpen()) {
            iconv_close(m_handle);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool IsOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts one run of input; returns false with errno set when it stops early.
    bool Convert(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft)
    {
        return iconv(m_handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    }

private:
    iconv_t m_handle;
};

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

std::string EncodeJohab(std::u16string_view text)
{
    Iconv converter("JOHAB", NativeUtf16Name());
    if (!converter.IsOpen()) {
        throw UnsupportedCodePage(kJohab);
    }
    std::u16string input(text);
    char* in = reinterpret_cast<char*>(input.data());
    std::size_t inLeft = input.size() * sizeof(char16_t);
    // Johab never needs more than two bytes per UTF-16 unit.
    std::string output(input.size() * 2 + 1, '\0');
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (inLeft > 0 && !converter.Convert(in, inLeft, out, outLeft)) {
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // Unmappable character or unpaired surrogate: one "?" for the whole
        // code point.
        const auto* unit = reinterpret_cast<const char16_t*>(in);
        std::size_t units = 1;
        if (inLeft >= 4 && IsHighSurrogate(unit[0]) && IsLowSurrogate(unit[1])) {
            units = 2;
        }
        *out++ = kReplacement;
        --outLeft;
        in += units * sizeof(char16_t);
        inLeft -= std::min(inLeft, units * sizeof(char16_t));
    }
    output.resize(output.size() - outLeft);
    return output;
}

std::u16string DecodeJohab(std::string_view text)
{
    Iconv converter(NativeUtf16Name(), "JOHAB");
    if (!converter.IsOpen()) {
        throw UnsupportedCodePage(kJohab);
    }
    std::string input(text);
    char* in = input.data();
    std::size_t inLeft = input.size();
    // Each byte yields at most one UTF-16 unit.
    std::u16string output(input.size() + 1, u'\0');
    char* out = reinterpret_cast<char*>(output.data());
    std::size_t outLeft = output.size() * sizeof(char16_t);
    while (inLeft > 0 && !converter.Convert(in, inLeft, out, outLeft)) {
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        const char16_t replacement = u'\uFFFD';
        std::copy_n(reinterpret_cast<const char*>(&replacement), sizeof replacement, out);
        out += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
    }
    output.resize(output.size() - outLeft / sizeof(char16_t));
    return output;
}

bool JohabAvailable()
{
    static const bool available = Iconv("JOHAB", NativeUtf16Name()).IsOpen();
    return available;
}

int EffectiveCodePage(int codePage)
{
    return codePage == 0 ? ActiveAnsiCodePage() : codePage;
}

// ICU counts in 32-bit lengths; a text near that size is refused, not cut.
constexpr std::size_t kMaxTextLength = 0x10000000;

void CheckLength(std::size_t length)
{
    if (length > kMaxTextLength) {
        throw std::length_error("Text too long to convert");
    }
}

std::string IcuEncode(UConverter* converter, std::u16string_view text)
{
    const auto length = static_cast<int32_t>(text.size());
    std::string output(static_cast<std::size_t>(
                           UCNV_GET_MAX_BYTES_FOR_STRING(length, ucnv_getMaxCharSize(converter))),
        '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_fromUChars(converter, output.data(),
        static_cast<int32_t>(output.size()), text.data(), length, &status);
    output.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
    return output;
}

std::u16string IcuDecode(UConverter* converter, std::string_view text)
{
    const auto length = static_cast<int32_t>(text.size());
    // A byte never yields more than two UTF-16 units.
    std::u16string output(text.size() * 2 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucnv_toUChars(converter, output.data(),
        static_cast<int32_t>(output.size()), text.data(), length, &status);
    output.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
    return output;
}

// The frame both directions share: code page 0, empty text, the size limit,
// Johab through iconv, the rest through ICU, a code page without converter.
template <typename Output, typename Input, typename Johab, typename Icu>
Output Convert(Input text, int codePage, Johab johab, Icu icu)
{
    codePage = EffectiveCodePage(codePage);
    if (text.empty()) {
        return {};
    }
    CheckLength(text.size());
    if (codePage == kJohab) {
        return johab(text);
    }
    Output output;
    if (!Converters().With(
            codePage, [&](UConverter* converter) { output = icu(converter, text); })) {
        throw UnsupportedCodePage(codePage);
    }
    return output;
}

} // namespace

UnsupportedCodePage::UnsupportedCodePage(int codePage)
    : std::runtime_error("Code page " + std::to_string(codePage) + " is not supported")
    , m_codePage(codePage)
{ }

const std::vector<int>& SupportedCodePages()
{
    static const std::vector<int> codePages = [] {
        std::vector<int> result;
        for (const int codePage : kCandidateCodePages) {
            const bool available = codePage == kJohab
                ? JohabAvailable()
                : Converters().With(codePage, [](UConverter*) {});
            if (available) {
                result.push_back(codePage);
            }
        }
        return result;
    }();
    return codePages;
}

bool IsCodePageSupported(int codePage)
{
    const auto& supported = SupportedCodePages();
    return codePage == 0 || std::binary_search(supported.begin(), supported.end(), codePage);
}

std::string EncodeToCodePage(std::u16string_view text, int codePage)
{
    return Convert<std::string>(text, codePage, EncodeJohab, IcuEncode);
}

std::u16string DecodeFromCodePage(std::string_view text, int codePage)
{
    return Convert<std::u16string>(text, codePage, DecodeJohab, IcuDecode);
}

} // namespace tankora
