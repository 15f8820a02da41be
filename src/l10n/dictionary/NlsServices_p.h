#pragma once
// The national-language services dictionaries and their records use, in the
// layer's terms: what the layer adds to the service (code page 0, its own
// exception, numeric items) lives here, so the records never repeat it.

#include <cstdint>
#include <optional>
#include <string>

// True for 0; else whether the platform supports converting the code page.
bool IsCodePageSupported(int codePage);

// Locale-aware comparison of two 8-bit texts: -1, 0 or 1.
int CompareTexts(const std::string& text1, const std::string& text2, int localeId);

// UTF-16 text converted to the code page (0: the active ANSI code page);
// unmappable characters become '?'. Empty for an empty input. A code page the
// platform cannot convert raises Exception "Code page <n> is not supported".
std::string WideToCodePage(const std::u16string& text, int codePage);

// The locale's default ANSI code page item as a number; 0 when it has none.
int PlatformDefaultAnsiCodePage(int localeId);
// The first default code-page word of the locale's font signature, when known.
std::optional<std::uint32_t> PlatformCodePageSignature(int localeId);
