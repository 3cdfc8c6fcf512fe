// Binding hot keys to root windows and finding the binding of a key press.
#include "commandbars/hotkey/hotkey_registry.h"

#include <string>
#include <string_view>

#include "commandbars/hotkey/hotkey_hook.h"
#include "commandbars/hotkey/hotkey_map.h"
#include "core/library/library_globals.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

HotKeyMap& Map() {
  static HotKeyMap map(64);
  return map;
}

HotKeyKeyIndex& Index() {
  static HotKeyKeyIndex index;
  return index;
}

std::wstring RootKey(HWND window) {
  if (!window) return kAnyWindowHotKeys;
  const HWND root = GetAncestor(window, GA_ROOT);
  return HandleKey(root ? root : window);
}

std::optional<uint16_t> Match(const std::wstring& key, int32_t virtualKey, int32_t character, int32_t modifiers) {
  const HotKeyList* list = Map().Find(key);
  return list ? MatchHotKey(*list, virtualKey, character, modifiers) : std::nullopt;
}

}  // namespace

int SetHotKey(HWND window, int32_t id, const wchar_t* keys) {
  if (!keys) return 0;
  // Checked before anything else: an unknown window must not stand for window 0.
  if (window && !IsWindow(window)) return 0;
  if (Globals().state == LibraryState::Ended) return 0;
  const std::wstring key = RootKey(window);
  const std::u16string_view text(reinterpret_cast<const char16_t*>(keys), std::char_traits<wchar_t>::length(keys));
  if (text.empty()) {
    LockGuard guard(Locks().hotKey);
    if (!guard) return 0;
    Map().Remove(key);
    Index().Rebuild(Map());
    return 1;
  }
  const std::optional<HotKeyStroke> stroke = ParseHotKeyString(text);
  if (!stroke) return 0;
  {
    LockGuard guard(Locks().hotKey);
    if (!guard) return 0;
    if (id == -1) {
      if (HotKeyList* list = Map().Find(key)) {
        ApplyHotKey(*list, *stroke, id);
        if (list->empty()) Map().Remove(key);
      }
    } else {
      ApplyHotKey(Map().Add(key), *stroke, id);
    }
    Index().Rebuild(Map());
  }
  InstallHotKeyMessageHook();
  return 1;
}

std::optional<HotKeyHit> FindHotKey(HWND window, int32_t virtualKey, int32_t character, int32_t (*heldModifiers)()) {
  std::optional<uint16_t> id;
  {
    LockGuard guard(Locks().hotKey);
    if (!guard) return std::nullopt;
    if (!Index().BindsKey(virtualKey, character)) return std::nullopt;
    const int32_t modifiers = heldModifiers();
    if (!Index().Binds(virtualKey, character, modifiers)) return std::nullopt;
    const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (root) id = Match(HandleKey(root), virtualKey, character, modifiers);
    if (id) return HotKeyHit{root, *id};
    id = Match(kAnyWindowHotKeys, virtualKey, character, modifiers);
  }
  if (!id) return std::nullopt;
  // Window 0's keys act on whichever window is in use: the thread's active one.
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || !info.hwndActive) return std::nullopt;
  const HWND target = GetAncestor(info.hwndActive, GA_ROOT);
  return HotKeyHit{target ? target : info.hwndActive, *id};
}

void ForgetHotKeys() {
  LockGuard guard(Locks().hotKey);
  Map().Clear();
  Index().Rebuild(Map());
}

}  // namespace kelvra
