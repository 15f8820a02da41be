#include "nls/CodePageTable.h"

#include <algorithm>
#include <array>

namespace tankora {
namespace {

struct LanguageCodePage
{
    int primary;
    int codePage;
};

// Default ANSI code page by primary language, for languages whose locales all
// share one. Primary languages absent here are Unicode-only (code page 0)
// unless the per-locale table below names them.
constexpr std::array kByPrimary {
    LanguageCodePage { 0x01, 1256 },
    LanguageCodePage { 0x02, 1251 },
    LanguageCodePage { 0x03, 1252 },
    LanguageCodePage { 0x05, 1250 },
    LanguageCodePage { 0x06, 1252 },
    LanguageCodePage { 0x07, 1252 },
    LanguageCodePage { 0x08, 1253 },
    LanguageCodePage { 0x09, 1252 },
    LanguageCodePage { 0x0A, 1252 },
    LanguageCodePage { 0x0B, 1252 },
    LanguageCodePage { 0x0C, 1252 },
    LanguageCodePage { 0x0D, 1255 },
    LanguageCodePage { 0x0E, 1250 },
    LanguageCodePage { 0x0F, 1252 },
    LanguageCodePage { 0x10, 1252 },
    LanguageCodePage { 0x11, 932 },
    LanguageCodePage { 0x12, 949 },
    LanguageCodePage { 0x13, 1252 },
    LanguageCodePage { 0x14, 1252 },
    LanguageCodePage { 0x15, 1250 },
    LanguageCodePage { 0x16, 1252 },
    LanguageCodePage { 0x17, 1252 },
    LanguageCodePage { 0x18, 1250 },
    LanguageCodePage { 0x19, 1251 },
    LanguageCodePage { 0x1B, 1250 },
    LanguageCodePage { 0x1C, 1250 },
    LanguageCodePage { 0x1D, 1252 },
    LanguageCodePage { 0x1E, 874 },
    LanguageCodePage { 0x1F, 1254 },
    LanguageCodePage { 0x20, 1256 },
    LanguageCodePage { 0x21, 1252 },
    LanguageCodePage { 0x22, 1251 },
    LanguageCodePage { 0x23, 1251 },
    LanguageCodePage { 0x24, 1250 },
    LanguageCodePage { 0x25, 1257 },
    LanguageCodePage { 0x26, 1257 },
    LanguageCodePage { 0x27, 1257 },
    LanguageCodePage { 0x28, 1251 },
    LanguageCodePage { 0x29, 1256 },
    LanguageCodePage { 0x2A, 1258 },
    LanguageCodePage { 0x2D, 1252 },
    LanguageCodePage { 0x2E, 1252 },
    LanguageCodePage { 0x2F, 1251 },
    LanguageCodePage { 0x32, 1252 },
    LanguageCodePage { 0x34, 1252 },
    LanguageCodePage { 0x35, 1252 },
    LanguageCodePage { 0x36, 1252 },
    LanguageCodePage { 0x38, 1252 },
    LanguageCodePage { 0x3B, 1252 },
    LanguageCodePage { 0x3C, 1252 },
    LanguageCodePage { 0x3E, 1252 },
    LanguageCodePage { 0x3F, 1251 },
    LanguageCodePage { 0x40, 1251 },
    LanguageCodePage { 0x41, 1252 },
    LanguageCodePage { 0x42, 1250 },
    LanguageCodePage { 0x44, 1251 },
    LanguageCodePage { 0x52, 1252 },
    LanguageCodePage { 0x56, 1252 },
    LanguageCodePage { 0x62, 1252 },
    LanguageCodePage { 0x64, 1252 },
    LanguageCodePage { 0x68, 1252 },
    LanguageCodePage { 0x6A, 1252 },
    LanguageCodePage { 0x6B, 1252 },
    LanguageCodePage { 0x6C, 1252 },
    LanguageCodePage { 0x6D, 1251 },
    LanguageCodePage { 0x6E, 1252 },
    LanguageCodePage { 0x6F, 1252 },
    LanguageCodePage { 0x70, 1252 },
    LanguageCodePage { 0x7A, 1252 },
    LanguageCodePage { 0x7C, 1252 },
    LanguageCodePage { 0x7E, 1252 },
    LanguageCodePage { 0x80, 1256 },
    LanguageCodePage { 0x82, 1252 },
    LanguageCodePage { 0x83, 1252 },
    LanguageCodePage { 0x85, 1251 },
    LanguageCodePage { 0x87, 1252 },
    LanguageCodePage { 0x88, 1252 },
    LanguageCodePage { 0x8C, 1256 },
    LanguageCodePage { 0x91, 1252 },
};

struct LocaleCodePage
{
    LocaleId id;
    int codePage;
};

// Languages whose locales differ in script and so in code page.
constexpr std::array kByLocale {
    LocaleCodePage { 0x0404, 950 },
    LocaleCodePage { 0x0804, 936 },
    LocaleCodePage { 0x0C04, 950 },
    LocaleCodePage { 0x1004, 936 },
    LocaleCodePage { 0x1404, 950 },
    LocaleCodePage { 0x041A, 1250 },
    LocaleCodePage { 0x081A, 1250 },
    LocaleCodePage { 0x0C1A, 1251 },
    LocaleCodePage { 0x101A, 1250 },
    LocaleCodePage { 0x141A, 1250 },
    LocaleCodePage { 0x181A, 1250 },
    LocaleCodePage { 0x1C1A, 1251 },
    LocaleCodePage { 0x201A, 1251 },
    LocaleCodePage { 0x241A, 1250 },
    LocaleCodePage { 0x281A, 1251 },
    LocaleCodePage { 0x2C1A, 1250 },
    LocaleCodePage { 0x301A, 1251 },
    LocaleCodePage { 0x042C, 1254 },
    LocaleCodePage { 0x082C, 1251 },
    LocaleCodePage { 0x0443, 1254 },
    LocaleCodePage { 0x0843, 1251 },
    LocaleCodePage { 0x0450, 1251 },
};

// Bits of the font signature's code-page word, as the Windows character sets number them.
struct SignatureBit
{
    int bit;
    int codePage;
};
constexpr std::array kSignatureBits {
    SignatureBit { 0, 1252 },
    SignatureBit { 1, 1250 },
    SignatureBit { 2, 1251 },
    SignatureBit { 3, 1253 },
    SignatureBit { 4, 1254 },
    SignatureBit { 5, 1255 },
    SignatureBit { 6, 1256 },
    SignatureBit { 7, 1257 },
    SignatureBit { 8, 1258 },
    SignatureBit { 16, 874 },
    SignatureBit { 17, 932 },
    SignatureBit { 18, 936 },
    SignatureBit { 19, 949 },
    SignatureBit { 20, 950 },
    SignatureBit { 21, 1361 },
};

} // namespace

int DefaultAnsiCodePageOf(LocaleId id)
{
    const LocaleId languageId = id & 0xFFFF;
    const auto* locale = std::find_if(kByLocale.begin(), kByLocale.end(),
        [languageId](const LocaleCodePage& e) { return e.id == languageId; });
    if (locale != kByLocale.end()) {
        return locale->codePage;
    }
    const int primary = PrimaryLanguageOf(id);
    const auto* language = std::find_if(kByPrimary.begin(), kByPrimary.end(),
        [primary](const LanguageCodePage& e) { return e.primary == primary; });
    return language != kByPrimary.end() ? language->codePage : 0;
}

int CodePageSignatureBit(int codePage)
{
    const auto* entry = std::find_if(kSignatureBits.begin(), kSignatureBits.end(),
        [codePage](const SignatureBit& e) { return e.codePage == codePage; });
    return entry != kSignatureBits.end() ? entry->bit : -1;
}

} // namespace tankora
