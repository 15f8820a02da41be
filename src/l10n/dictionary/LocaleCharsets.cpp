#include "l10n/dictionary/LocaleCharsets.h"

#include "l10n/dictionary/LocaleIds.h"
#include "l10n/dictionary/NlsServices_p.h"

#include <array>
#include <ctime>

namespace {

// Bit position of the platform's code-page bitfield -> character set and code page.
constexpr std::array<TIvCharsetEntry, 32> kCharsetTable = [] {
    std::array<TIvCharsetEntry, 32> table {};
    table[0] = { 0, 1252 };
    table[1] = { 238, 1250 };
    table[2] = { 204, 1251 };
    table[3] = { 161, 1253 };
    table[4] = { 162, 1254 };
    table[5] = { 177, 1255 };
    table[6] = { 178, 1256 };
    table[7] = { 186, 1257 };
    table[8] = { 163, 1258 };
    table[16] = { 222, 874 };
    table[17] = { 128, 932 };
    table[18] = { 134, 936 };
    table[19] = { 129, 949 };
    table[20] = { 136, 950 };
    table[21] = { 130, 1361 };
    return table;
}();

std::optional<std::chrono::year_month_day> g_euroDateOverride;

std::chrono::year_month_day TodayLocal()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return std::chrono::year { local.tm_year + 1900 } / (local.tm_mon + 1) / local.tm_mday;
}

} // namespace

int DefaultAnsiCodePage(int localeId)
{
    const int fromPlatform = PlatformDefaultAnsiCodePage(localeId);
    if (fromPlatform >= 1)
        return fromPlatform;
    const int sub = SubLangId(localeId);
    switch (PrimaryLangId(localeId)) {
    case 1:
    case 41:
        return 1256;
    case 4:
        return sub == 1 || sub == 3 ? 950 : 936;
    case 5:
    case 14:
    case 21:
    case 24:
    case 27:
    case 28:
    case 36:
        return 1250;
    case 8:
        return 1253;
    case 13:
        return 1255;
    case 17:
        return 932;
    case 18:
        return 949;
    case 26:
        return sub == 1 || sub == 2 ? 1250 : 1251;
    case 2:
    case 25:
    case 34:
    case 35:
        return 1251;
    case 30:
        return 874;
    case 31:
        return 1254;
    case 37:
    case 38:
    case 39:
        return 1257;
    case 42:
        return 1258;
    default:
        return 1252;
    }
}

TIvCharsetEntry CharsetTableEntry(int bit)
{
    return bit >= 0 && bit < 32 ? kCharsetTable[static_cast<std::size_t>(bit)] : TIvCharsetEntry {};
}

std::uint8_t CharsetOfCodePage(int codePage)
{
    for (const auto& entry : kCharsetTable) {
        if (entry.CodePage == codePage)
            return entry.Charset;
    }
    return 1;
}

std::uint8_t LocaleCharset(int localeId)
{
    const std::optional<std::uint32_t> bits = PlatformCodePageSignature(localeId);
    if (!bits || *bits == 0)
        return kCharsetTable[0].Charset;
    for (std::size_t bit = 0; bit < 32; ++bit) {
        if (*bits & (std::uint32_t { 1 } << bit))
            return kCharsetTable[bit].Charset;
    }
    return kCharsetTable[0].Charset;
}

int BiDiKind(int localeId)
{
    switch (PrimaryLangId(localeId)) {
    case 1:
    case 13:
    case 41:
        return 2;
    case 4:
    case 17:
    case 18:
        return 1;
    default:
        return 0;
    }
}

bool IsEuroCountry(int localeId)
{
    const int sub = SubLangId(localeId);
    switch (PrimaryLangId(localeId)) {
    case 7:
        return sub == 1 || sub == 3 || sub == 4;
    case 9:
        return sub == 6;
    case 10:
    case 11:
    case 16:
        return sub == 1;
    case 12:
        return sub == 1 || sub == 2 || sub == 5;
    case 19:
        return sub == 1 || sub == 2;
    case 22:
    case 29:
        return sub == 2;
    default:
        return false;
    }
}

int EuroDatePhaseOn(std::chrono::year_month_day date)
{
    using namespace std::chrono;
    if (date < year { 1999 } / January / 1)
        return 1;
    if (date < year { 2002 } / January / 1)
        return 2;
    if (date < year { 2002 } / July / 1)
        return 3;
    return 4;
}

int EuroDatePhase()
{
    return EuroDatePhaseOn(g_euroDateOverride ? *g_euroDateOverride : TodayLocal());
}

void SetEuroDateForTesting(std::optional<std::chrono::year_month_day> date)
{
    g_euroDateOverride = date;
}
