#include "nls/Nls.h"

#include "nls/CodePageTable.h"

#include <unicode/uloc.h>

#include <algorithm>
#include <cstdlib>

namespace tankora {
namespace {

constexpr int kFallbackCodePage = 1252;

MachineLocale& Override()
{
    static MachineLocale machine;
    return machine;
}

std::optional<LocaleId>& StoredThreadLocale()
{
    static std::optional<LocaleId> locale;
    return locale;
}

std::string_view Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// The environment's answer is read once: the process's environment does not
// change its locale while it runs.
LocaleId EnvironmentLocaleId()
{
    static const LocaleId id = LocaleIdFromEnvironment(
        Environment("LC_ALL"), Environment("LC_MESSAGES"), Environment("LANG"));
    return id;
}

std::optional<LocaleId> LcidOfIcuName(const std::string& name)
{
    const auto lcid = static_cast<LocaleId>(uloc_getLCID(name.c_str()));
    if (lcid == 0) {
        return std::nullopt;
    }
    return lcid;
}

// "zh_Hant_TW" -> "zh_TW": the Windows table knows most locales without script.
std::string WithoutScript(const std::string& name)
{
    char language[ULOC_LANG_CAPACITY] = {};
    char country[ULOC_COUNTRY_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLanguage(name.c_str(), language, sizeof language, &status);
    uloc_getCountry(name.c_str(), country, sizeof country, &status);
    if (U_FAILURE(status)) {
        return {};
    }
    return std::string(language) + (country[0] ? "_" : "") + country;
}

std::string LikelyName(const std::string& name)
{
    char buffer[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_addLikelySubtags(name.c_str(), buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING) {
        return {};
    }
    return buffer;
}

} // namespace

std::string IcuLocaleName(LocaleId id)
{
    if (id <= 0) {
        return {};
    }
    char buffer[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length
        = uloc_getLocaleForLCID(static_cast<uint32_t>(id), buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || length <= 0 || length >= static_cast<int32_t>(sizeof buffer)) {
        return {};
    }
    // ICU answers an unknown sort id or reserved bits with the bare language
    // ("de" for 0x50407); only a name that maps back to the same id counts.
    if (static_cast<LocaleId>(uloc_getLCID(buffer)) != id) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::optional<LocaleId> LocaleIdFromName(std::string_view name)
{
    // POSIX names carry a code set and a modifier that ICU ids do not know.
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX" || name.size() >= ULOC_FULLNAME_CAPACITY) {
        return std::nullopt;
    }
    std::string icuName(name);
    std::replace(icuName.begin(), icuName.end(), '-', '_');
    auto lcid = LcidOfIcuName(icuName);
    if (lcid && SubLanguageOf(*lcid) != 0) {
        return lcid;
    }
    // A bare language (or an unknown country) takes the language's most likely country.
    std::string language = WithoutScript(icuName);
    language = language.substr(0, language.find('_'));
    const std::string likely = language.empty() ? std::string() : LikelyName(language);
    for (const std::string& candidate : { likely, WithoutScript(likely) }) {
        if (candidate.empty()) {
            continue;
        }
        auto likelyLcid = LcidOfIcuName(candidate);
        if (likelyLcid && SubLanguageOf(*likelyLcid) != 0) {
            return likelyLcid;
        }
    }
    return std::nullopt;
}

LocaleId LocaleIdFromEnvironment(
    std::string_view lcAll, std::string_view lcMessages, std::string_view lang)
{
    for (const std::string_view value : { lcAll, lcMessages, lang }) {
        if (!value.empty()) {
            return LocaleIdFromName(value).value_or(kLocaleEnglishUs);
        }
    }
    return kLocaleEnglishUs;
}

void SetMachineLocale(const MachineLocale& machine)
{
    Override() = machine;
}

MachineLocale CurrentMachineLocaleOverride()
{
    return Override();
}

ScopedMachineLocale::ScopedMachineLocale(const MachineLocale& machine)
    : m_previous(Override())
{
    SetMachineLocale(machine);
}

ScopedMachineLocale::~ScopedMachineLocale()
{
    SetMachineLocale(m_previous);
}

LocaleId UserDefaultLocaleId()
{
    return Override().userDefault.value_or(EnvironmentLocaleId());
}

LocaleId SystemDefaultLocaleId()
{
    return Override().systemDefault.value_or(EnvironmentLocaleId());
}

LocaleId ResolveLocaleId(LocaleId id)
{
    if (id == kLocaleUserDefault || id == 0) {
        return UserDefaultLocaleId();
    }
    if (id == kLocaleSystemDefault) {
        return SystemDefaultLocaleId();
    }
    return id;
}

int ActiveAnsiCodePage()
{
    if (Override().activeCodePage) {
        return *Override().activeCodePage;
    }
    const int codePage = DefaultAnsiCodePageOf(SystemDefaultLocaleId());
    return codePage != 0 ? codePage : kFallbackCodePage;
}

bool IsMultiByteCodePage(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950
        || codePage == 1361;
}

bool IsMultiByteSystem()
{
    return IsMultiByteCodePage(ActiveAnsiCodePage());
}

const std::vector<LocaleId>& SupportedLocaleIds()
{
    static const std::vector<LocaleId> ids = [] {
        std::vector<LocaleId> result;
        const int32_t count = uloc_countAvailable();
        for (int32_t i = 0; i < count; ++i) {
            const std::string name = uloc_getAvailable(i);
            for (const std::string& candidate : { name, WithoutScript(name) }) {
                const auto lcid = LcidOfIcuName(candidate);
                if (lcid && SubLanguageOf(*lcid) != 0) {
                    result.push_back(*lcid);
                    break;
                }
            }
        }
        std::sort(result.begin(), result.end());
        result.erase(std::unique(result.begin(), result.end()), result.end());
        return result;
    }();
    return ids;
}

bool IsLocaleIdKnown(LocaleId id)
{
    return !IcuLocaleName(ResolveLocaleId(id)).empty();
}

LocaleId ThreadLocale()
{
    return StoredThreadLocale().value_or(UserDefaultLocaleId());
}

void SetThreadLocale(LocaleId id)
{
    StoredThreadLocale() = id;
}

} // namespace tankora
