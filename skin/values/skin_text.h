// Text helpers of the skin engine: the one case folding that setters and readers
// share, and blank trimming. Pure code: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvra {

// Lower case for ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic and the
// full-width Latin letters. The same rule on every platform, so a name set on one
// side of a comparison always folds like the name on the other.
wchar_t LowerCaseChar(wchar_t c);
std::wstring LowerCaseText(std::wstring_view text);
void LowerCaseInPlace(std::wstring& text);
// Case-blind equality under LowerCaseChar.
bool EqualsCaseBlind(std::wstring_view a, std::wstring_view b);

constexpr bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
std::wstring_view TrimBlanks(std::wstring_view text);
// Blanks and ";" stripped from both ends, in any mix.
std::wstring_view TrimBlanksAndSemicolons(std::wstring_view text);

// Every occurrence of `what` (not empty) replaced by `with`, left to right, in
// one pass: the cost stays linear however many occurrences a long value holds.
void ReplaceAllText(std::wstring& text, std::wstring_view what, std::wstring_view with);

// The index-th field (from 1) of a text cut at every `separator`, untrimmed;
// empty past the last field and for an index below 1.
std::wstring_view NthField(std::wstring_view text, wchar_t separator, int32_t index);

// A keyword of a fixed table and its value; look-ups compare exactly (callers
// fold case first).
struct SkinKeyword {
  std::wstring_view word;
  int32_t value;
};
template <std::size_t N>
int32_t LookUpSkinKeyword(const SkinKeyword (&table)[N], std::wstring_view word, int32_t missing) {
  for (const auto& entry : table)
    if (entry.word == word) return entry.value;
  return missing;
}

// The text of a nullable C string; a null pointer reads as "".
inline std::wstring_view TextOrEmpty(const wchar_t* text) {
  return text ? std::wstring_view(text) : std::wstring_view();
}

}  // namespace kelvra
