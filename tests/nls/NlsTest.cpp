#include "nls/Nls.h"
#include "nls/CodePageTable_p.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tankora {
namespace {

struct RoundTrip
{
    LocaleId id;
    const char* icuName;
};

TEST(Nls, LocaleIdsRoundTripThroughIcuNames)
{
    const RoundTrip cases[] = {
        { 0x0407, "de_DE" },
        { 0x0409, "en_US" },
        { 0x0411, "ja_JP" },
        { 0x0804, "zh_CN" },
        { 0x0404, "zh_Hant_TW" },
        { 0x0401, "ar_SA" },
        { 0x040D, "he_IL" },
        { 0x0C07, "de_AT" },
        { 0x1407, "de_LI" },
        { 0x0419, "ru_RU" },
        { 0x0412, "ko_KR" },
        { 0x081A, "sr_Latn_CS" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IcuLocaleName(c.id), c.icuName) << std::hex << c.id;
        EXPECT_EQ(LocaleIdFromName(c.icuName), c.id) << c.icuName;
    }
}

TEST(Nls, UnknownLocaleIdsHaveNoIcuName)
{
    // An unknown sort id or reserved bits must not pass for the bare language.
    for (const LocaleId id : { 0x9999, 0x03FF, -1, 0x7FFFFFFF, 0x50407, 0x100407 }) {
        EXPECT_EQ(IcuLocaleName(id), "") << std::hex << id;
        EXPECT_FALSE(IsLocaleIdKnown(id)) << std::hex << id;
    }
}

TEST(Nls, SortIdsThatIcuKnowsAreKept)
{
    EXPECT_EQ(IcuLocaleName(0x10407), "de_DE@collation=phonebook");
}

TEST(Nls, PosixNamesMapToLocaleIds)
{
    EXPECT_EQ(LocaleIdFromName("de_DE.UTF-8"), 0x0407);
    EXPECT_EQ(LocaleIdFromName("de_DE.UTF-8@euro"), 0x0407);
    EXPECT_EQ(LocaleIdFromName("de-AT"), 0x0C07);
    EXPECT_EQ(LocaleIdFromName("ja"), 0x0411);
    EXPECT_EQ(LocaleIdFromName("ru.KOI8-R"), 0x0419);
    EXPECT_EQ(LocaleIdFromName("C"), std::nullopt);
    EXPECT_EQ(LocaleIdFromName("POSIX"), std::nullopt);
    EXPECT_EQ(LocaleIdFromName("C.UTF-8"), std::nullopt);
    EXPECT_EQ(LocaleIdFromName(""), std::nullopt);
    EXPECT_EQ(LocaleIdFromName("xx_YY"), std::nullopt);
}

TEST(Nls, EnvironmentPrefersLcAllThenLcMessagesThenLang)
{
    EXPECT_EQ(LocaleIdFromEnvironment("fr_FR.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8"), 0x040C);
    EXPECT_EQ(LocaleIdFromEnvironment("", "de_DE.UTF-8", "ja_JP.UTF-8"), 0x0407);
    EXPECT_EQ(LocaleIdFromEnvironment("", "", "ja_JP.UTF-8"), 0x0411);
    EXPECT_EQ(LocaleIdFromEnvironment("", "", ""), 0x0409);
    // The first value set decides, even when it names no real locale.
    EXPECT_EQ(LocaleIdFromEnvironment("C", "de_DE.UTF-8", ""), 0x0409);
    EXPECT_EQ(LocaleIdFromEnvironment("", "POSIX", "de_DE"), 0x0409);
    EXPECT_EQ(LocaleIdFromEnvironment("", "", "klingon"), 0x0409);
}

TEST(Nls, MachineLocaleSeamSetsDefaultsAndCodePage)
{
    {
        ScopedMachineLocale machine({ 0x0407, 0x0419, std::nullopt });
        EXPECT_EQ(UserDefaultLocaleId(), 0x0407);
        EXPECT_EQ(SystemDefaultLocaleId(), 0x0419);
        EXPECT_EQ(ResolveLocaleId(kLocaleUserDefault), 0x0407);
        EXPECT_EQ(ResolveLocaleId(kLocaleSystemDefault), 0x0419);
        EXPECT_EQ(ResolveLocaleId(0x0411), 0x0411);
        // The active code page follows the system locale, not the user's.
        EXPECT_EQ(ActiveAnsiCodePage(), 1251);
        EXPECT_FALSE(IsMultiByteSystem());
        {
            ScopedMachineLocale inner({ 0x0409, 0x0409, 932 });
            EXPECT_EQ(ActiveAnsiCodePage(), 932);
            EXPECT_TRUE(IsMultiByteSystem());
        }
        EXPECT_EQ(ActiveAnsiCodePage(), 1251);
    }
    ScopedMachineLocale unicodeOnly({ 0x0439, 0x0439, std::nullopt });
    EXPECT_EQ(ActiveAnsiCodePage(), 1252);
}

TEST(Nls, MultiByteCodePagesAreTheFarEastOnes)
{
    for (const int codePage : { 932, 936, 949, 950, 1361 }) {
        EXPECT_TRUE(IsMultiByteCodePage(codePage)) << codePage;
    }
    for (const int codePage : { 0, 874, 1250, 1252, 1258, 65001 }) {
        EXPECT_FALSE(IsMultiByteCodePage(codePage)) << codePage;
    }
}

TEST(Nls, SupportedLocalesAreSpecificSortedAndIncludeTheCommonOnes)
{
    const auto& ids = SupportedLocaleIds();
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    for (const LocaleId id :
        { 0x0407, 0x0409, 0x0411, 0x0804, 0x0404, 0x0401, 0x040D, 0x0419, 0x0C07 }) {
        EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), id)) << std::hex << id;
    }
    EXPECT_TRUE(
        std::none_of(ids.begin(), ids.end(), [](LocaleId id) { return SubLanguageOf(id) == 0; }));
    EXPECT_TRUE(std::all_of(ids.begin(), ids.end(), IsLocaleIdKnown));
}

TEST(Nls, ThreadLocaleIsStored)
{
    const LocaleId previous = ThreadLocale();
    SetThreadLocale(0x0411);
    EXPECT_EQ(ThreadLocale(), 0x0411);
    SetThreadLocale(previous);
}

struct CodePageOfLocale
{
    LocaleId id;
    int codePage;
};

TEST(CodePageTable, DefaultAnsiCodePagesMatchWindows)
{
    const CodePageOfLocale cases[] = {
        { 0x0407, 1252 },
        { 0x0409, 1252 },
        { 0x0405, 1250 },
        { 0x0415, 1250 },
        { 0x0419, 1251 },
        { 0x0402, 1251 },
        { 0x0408, 1253 },
        { 0x041F, 1254 },
        { 0x040D, 1255 },
        { 0x0401, 1256 },
        { 0x0429, 1256 },
        { 0x0425, 1257 },
        { 0x042A, 1258 },
        { 0x041E, 874 },
        { 0x0411, 932 },
        { 0x0804, 936 },
        { 0x1004, 936 },
        { 0x0412, 949 },
        { 0x0404, 950 },
        { 0x0C04, 950 },
        { 0x041A, 1250 },
        { 0x0C1A, 1251 },
        { 0x042C, 1254 },
        { 0x082C, 1251 },
        { 0x0439, 0 },
        { 0x0437, 0 },
        { 0x042B, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultAnsiCodePageOf(c.id), c.codePage) << std::hex << c.id;
    }
}

} // namespace
} // namespace tankora
