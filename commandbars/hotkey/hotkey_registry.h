// The process's HotKeyMap under HotKeyLock: what HotKey (and the hot-key text of
// menu items) registers and what the message hook looks key presses up in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace kelvra {

// HotKey: binds `keys` (the key-string grammar) to command `id` for the root of
// `window` (window 0: whichever window is active). `keys` "" drops every hot key
// of that root; id -1 deletes the binding of `keys`. Installs the message hook on
// the calling thread with the first binding. Returns 1, or 0 for null keys, an
// unknown key name, a window that does not exist, or after the library ended
// (nothing changed). RegisterMenuItemHotKey calls this for an item's "$" text.
int SetHotKey(HWND window, int32_t id, const wchar_t* keys);

// A key press matched: the command id and the window its WM_COMMAND goes to.
struct HotKeyHit {
  HWND target = nullptr;
  uint16_t id = 0;
};
// The match for a key press in `window` (the root's list, then window 0's, which
// send to the root of the thread's active window). `heldModifiers` is asked only
// when some list binds the key. Takes HotKeyLock itself and returns with it
// released.
std::optional<HotKeyHit> FindHotKey(HWND window, int32_t virtualKey, int32_t character, int32_t (*heldModifiers)());

// Kelvra_End: every binding goes with the hook.
void ForgetHotKeys();

}  // namespace kelvra
