// The two colour-theme words of themed component look-ups ("splitterex:blue"):
// the word the application chose and the default word detected at start. Pure
// code: no <windows.h>.
#pragma once

#include <string>
#include <string_view>

namespace kelvra {

// GlobalSkinColourTheme: empty until the application (or a colour mode) sets one.
const std::wstring& GlobalSkinColourTheme();
// DefaultGlobalSkinColourTheme: set at start and when the system's theme changes.
const std::wstring& DefaultGlobalSkinColourTheme();
// The word look-ups use: the global word, or the default word while it is empty.
const std::wstring& EffectiveSkinColourTheme();

// Stores the global word trimmed and lower-cased (an empty word brings the default
// word back for readers). Re-applying skins is the caller's part.
void StoreGlobalSkinColourTheme(std::wstring_view word);
void StoreDefaultGlobalSkinColourTheme(std::wstring_view word);

// A word as the theme words hold it: surrounding blanks removed, lower case.
std::wstring NormaliseThemeWord(std::wstring_view word);

// SetGlobalSkinColourTheme: stores the word, then re-applies every skin to every
// window of the process (SkinChangedMessage with lParam 0).
void SetGlobalSkinColourTheme(std::wstring_view word);

}  // namespace kelvra
