#pragma once
// Locale-aware comparison of 8-bit texts with ICU's collator.

#include "nls/Nls.h"

#include <string_view>

namespace tankora {

// Compares two 8-bit texts (in the active ANSI code page) under the locale's
// collation, case and accents significant, whole lengths: -1, 0 or 1. An
// unknown locale id compares under the root collation.
int CompareLocaleTexts(std::string_view left, std::string_view right, LocaleId id);

} // namespace tankora
