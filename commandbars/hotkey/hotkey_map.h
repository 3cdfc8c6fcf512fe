// HotKeyRecord and HotKeyMap: the hot keys of each root window, keyed by the
// window's handle as text ("0" for those of window 0, which act on whichever
// window is active), and how a key press is matched against a list. Pure: no
// Win32 types.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "commandbars/hotkey/hotkey_grammar.h"
#include "core/library/string_map.h"

namespace kelvra {

struct HotKeyRecord {
  int32_t key = 0;     // a virtual-key code, or a character code (flags without kHotKeyVirtual)
  int32_t flags = 0;   // kHotKeyAlt | kHotKeyCtrl | kHotKeyShift | kHotKeyVirtual
  uint16_t id = 0;     // the command id sent in WM_COMMAND
};
using HotKeyList = std::vector<HotKeyRecord>;
using HotKeyMap = StringMap<HotKeyList>;

// The key of the list of window 0's hot keys.
inline constexpr wchar_t kAnyWindowHotKeys[] = L"0";

// The same key and flags again: id -1 deletes that record, another id replaces
// its id; otherwise a new record (unless id is -1). Ids keep their low 16 bits.
void ApplyHotKey(HotKeyList& list, const HotKeyStroke& stroke, int32_t id);

// The id of the first record a key press matches: a virtual-key record by the
// key's virtual-key code and the held modifiers, a character record by the
// character the key types (in upper case) and the modifiers.
std::optional<uint16_t> MatchHotKey(const HotKeyList& list, int32_t virtualKey, int32_t character, int32_t modifiers);

// Which keys any list binds, and with which modifiers, so that the many key
// presses that match nothing are turned away before windows are asked about.
class HotKeyKeyIndex {
 public:
  void Rebuild(const HotKeyMap& map);
  // Some list binds the key (by virtual key or by the character it types).
  bool BindsKey(int32_t virtualKey, int32_t character) const {
    return VirtualFlags(virtualKey) != 0 || CharacterFlags(character) != 0;
  }
  // Some list binds the key with exactly these modifiers.
  bool Binds(int32_t virtualKey, int32_t character, int32_t modifiers) const {
    const uint32_t bit = 1u << (modifiers & kHotKeyModifiers);
    return (VirtualFlags(virtualKey) & (bit << kHotKeyVirtual)) != 0 || (CharacterFlags(character) & bit) != 0;
  }

 private:
  uint32_t VirtualFlags(int32_t virtualKey) const {
    return virtualKey >= 0 && virtualKey < 256 ? virtualFlags_[static_cast<size_t>(virtualKey)] : 0;
  }
  uint32_t CharacterFlags(int32_t character) const {
    const auto it = characterFlags_.find(character);
    return it == characterFlags_.end() ? 0 : it->second;
  }
  // One bit per flags value (0 to 0x1F) a record of the key has.
  std::array<uint32_t, 256> virtualFlags_{};
  std::unordered_map<int32_t, uint32_t> characterFlags_;
};

}  // namespace kelvra
