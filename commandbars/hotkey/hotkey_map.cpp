// Changing a window's hot-key list and matching key presses against it.
#include "commandbars/hotkey/hotkey_map.h"

#include <algorithm>

namespace kelvra {

void ApplyHotKey(HotKeyList& list, const HotKeyStroke& stroke, int32_t id) {
  const auto same = std::find_if(list.begin(), list.end(), [&](const HotKeyRecord& record) {
    return record.key == stroke.key && record.flags == stroke.flags;
  });
  if (same != list.end()) {
    if (id == -1)
      list.erase(same);
    else
      same->id = static_cast<uint16_t>(id);
    return;
  }
  if (id != -1) list.push_back(HotKeyRecord{stroke.key, stroke.flags, static_cast<uint16_t>(id)});
}

std::optional<uint16_t> MatchHotKey(const HotKeyList& list, int32_t virtualKey, int32_t character, int32_t modifiers) {
  modifiers &= kHotKeyModifiers;
  for (const HotKeyRecord& record : list) {
    const bool matches = (record.flags & kHotKeyVirtual)
                             ? record.key == virtualKey && record.flags == (modifiers | kHotKeyVirtual)
                             : record.key == character && record.flags == modifiers;
    if (matches) return record.id;
  }
  return std::nullopt;
}

void HotKeyKeyIndex::Rebuild(const HotKeyMap& map) {
  virtualFlags_.fill(0);
  characterFlags_.clear();
  for (const auto& [window, list] : map)
    for (const HotKeyRecord& record : list) {
      const uint32_t bit = 1u << (record.flags & 0x1F);
      if (!(record.flags & kHotKeyVirtual))
        characterFlags_[record.key] |= bit;
      else if (record.key >= 0 && record.key < 256)
        virtualFlags_[static_cast<size_t>(record.key)] |= bit;
    }
}

}  // namespace kelvra
