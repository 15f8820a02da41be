#pragma once
// Enlarging a window for a multibyte script, and shrinking it back.

class QWidget;

// One scaling step of a translation pass. With a multibyte language and
// scaled clear, scales root and everything in it by multiByteScale / 100 and
// sets scaled; with another language and scaled set, scales by
// 100 / multiByteScale and clears scaled; otherwise does nothing, so a
// window is scaled at most once however often it is translated. A scale of
// 100 (or no positive scale) disables the step. Returns whether it scaled
// (the translator then fires OnScale).
//
// A form with AutoScroll set is not scaled: EIvMulti "Cannot scale a form
// (NAME) that has AutoScroll property set True", scaled unchanged.
bool ScaleForMultiByte(QWidget& root, bool multiByteLanguage, int multiByteScale, bool& scaled);
