#pragma once
// The localization layer's names for locale-id arithmetic; the arithmetic
// itself is the national-language service's (nls/Nls.h).
//
// Identifiers are plain integers in the Windows layout: language id =
// sub-language (6 bits) << 10 | primary (10 bits); locale id = sort id << 16 |
// language id. Locale id 0 is the native language, 0x400 the user's and 0x800
// the system's default locale.

#include "nls/Nls.h"

constexpr int kNativeLocaleId = 0;
constexpr int kUserDefaultLocaleId = tankora::kLocaleUserDefault;
constexpr int kSystemDefaultLocaleId = tankora::kLocaleSystemDefault;

constexpr int MakeLangId(int primary, int sub)
{
    return tankora::ComposeLanguageId(primary, sub);
}
constexpr int MakeLocaleId(int languageId, int sortId)
{
    return tankora::ComposeLocaleId(languageId, sortId);
}
constexpr int PrimaryLangId(int localeId)
{
    return tankora::PrimaryLanguageOf(localeId);
}
constexpr int SubLangId(int localeId)
{
    return tankora::SubLanguageOf(localeId);
}

// 0x400 -> the user default locale id, 0x800 -> the system default locale id,
// any other value unchanged (0, the native language, stays 0).
int ResolveLocaleId(int localeId);
