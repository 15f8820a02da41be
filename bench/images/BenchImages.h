#pragma once
// MLD images of 65,535 entries x 16 languages for the benchmarks, written once
// per process into the temporary folder. Entry i has the native text
// "Calculate i" and in column c the word of language c followed by " i";
// the entries are stored in the order of i, which is not their sorted order.

#include <string>

namespace tankora::bench {

inline constexpr int kEntries = 65535;
inline constexpr int kLanguages = 16;
inline constexpr int kRussianColumn = 9; // code page 1251
inline constexpr int kUkrainianColumn = 10; // code page 1251

struct ImageForm
{
    bool ansi; // 8-bit strings, else UTF-16
    bool contexts; // context kind 1: entry i has context "Form<i % 7>" and sub-context "Item"
};

// The path of the image, written on first use.
std::string ImagePath(ImageForm form);
// An image of the native language and 65,534 languages in code page 1251
// (unsupported on a machine whose code page is 1252), no entries: what a
// crafted dictionary can make the selection of a language work through.
std::string ManyLanguagesImagePath();
// "8-bit" / "UTF-16", with " contexts" for context-sensitive images.
std::string FormLabel(ImageForm form);
// Native text of entry i.
std::string NativeText(int i);
std::string ContextOf(int i);
inline constexpr const char* kSubContext = "Item";

} // namespace tankora::bench
