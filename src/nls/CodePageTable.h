#pragma once
// The default ANSI code page of a Windows locale id, as Windows answers it.
// ICU has no such item; this table covers the languages of the Windows
// character sets (Western, Central European, Cyrillic, Greek, Turkish, Hebrew,
// Arabic, Baltic, Vietnamese, Thai, Japanese, Chinese, Korean).

#include "nls/Nls.h"

namespace tankora {

// The default ANSI code page of a specific locale id; 0 when the locale is a
// Unicode-only one (or the language is not one the table covers).
int DefaultAnsiCodePageOf(LocaleId id);

// The bit of the font-signature code-page word that stands for the code
// page, -1 when the code page has none.
int CodePageSignatureBit(int codePage);

} // namespace tankora
