// The global and default colour-theme words.
#include "skin/ui_colours/colour_theme_words.h"

#include <cwctype>

namespace kelvra {

namespace {

struct ThemeWords {
  std::wstring global;
  std::wstring fallback;
};

ThemeWords& Words() {
  static ThemeWords words;
  return words;
}

}  // namespace

const std::wstring& GlobalSkinColourTheme() { return Words().global; }
const std::wstring& DefaultGlobalSkinColourTheme() { return Words().fallback; }

const std::wstring& EffectiveSkinColourTheme() {
  const ThemeWords& words = Words();
  return words.global.empty() ? words.fallback : words.global;
}

std::wstring NormaliseThemeWord(std::wstring_view word) {
  std::size_t first = 0, last = word.size();
  while (first < last && std::iswspace(word[first])) ++first;
  while (last > first && std::iswspace(word[last - 1])) --last;
  std::wstring result(word.substr(first, last - first));
  for (wchar_t& c : result) c = static_cast<wchar_t>(std::towlower(c));
  return result;
}

void StoreGlobalSkinColourTheme(std::wstring_view word) { Words().global = NormaliseThemeWord(word); }
void StoreDefaultGlobalSkinColourTheme(std::wstring_view word) { Words().fallback = std::wstring(word); }

}  // namespace kelvra
