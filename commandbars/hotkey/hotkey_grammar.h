// The text form of hot keys ("Ctrl+Shift+S", "alt-f4", "ctrl plus") and the
// names of the keys it knows. Pure: no Win32 types.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kelvra {

// HotKeyRecord flags.
inline constexpr int32_t kHotKeyAlt = 0x10;
inline constexpr int32_t kHotKeyCtrl = 8;
inline constexpr int32_t kHotKeyShift = 4;
inline constexpr int32_t kHotKeyVirtual = 1;  // the key is a virtual-key code, not a character
inline constexpr int32_t kHotKeyModifiers = kHotKeyAlt | kHotKeyCtrl | kHotKeyShift;

// A parsed key string: the key (a virtual-key code, or a character code in upper
// case) and its flags.
struct HotKeyStroke {
  int32_t key = 0;
  int32_t flags = 0;
  bool operator==(const HotKeyStroke&) const = default;
};

// Reads a key string. The text is lower-cased and loses the markup codes \b, \i,
// \u, \s, \c and \n; each of | space - , . ~ ^ / \ : ; separates like "+". Fields
// are read from the first until the first empty one (so "ctrl++a" stops after
// ctrl; the plus key is "plus"): alt, ctrl or control, shift, a key name of the
// table, or any single character (its upper case, as a character). A later key
// replaces an earlier one; modifiers alone give key 0. Nothing for any other
// field.
std::optional<HotKeyStroke> ParseHotKeyString(std::u16string_view text);

// The key names (lower case) and their virtual-key codes.
struct HotKeyName {
  std::u16string_view name;
  int32_t code;
};
std::span<const HotKeyName> HotKeyNameTable();
// The code of a name of the table (lower case), if it is one.
std::optional<int32_t> LookupHotKeyName(std::u16string_view name);

// Upper case of a character of the Latin and Cyrillic alphabets; others as they are.
char16_t HotKeyUpperCase(char16_t c);

}  // namespace kelvra
