#pragma once
// Stored layouts name the fonts of the platform the window was designed on
// ("MS Sans Serif", 8 points). They are not installed on Linux; each gets an
// installed stand-in whose metrics fit the fixed layouts at 96 DPI: a
// character height of 13 pixels and text no wider than the original's, so
// that no caption, list entry or label is clipped.

// Registers the stand-ins with Qt's font matching. Idempotent; call before
// the first form is created.
void InstallFontSubstitutes();
