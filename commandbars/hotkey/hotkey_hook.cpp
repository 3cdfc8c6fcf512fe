// The hot-key message hook: the modifiers come from the thread's key state, not
// from the key messages the hook happened to see, so a key released over another
// thread's window leaves nothing held here.
#include "commandbars/hotkey/hotkey_hook.h"

#include "commandbars/commandbar_globals.h"
#include "commandbars/commandbars_seam.h"
#include "commandbars/hotkey/hotkey_grammar.h"
#include "commandbars/hotkey/hotkey_registry.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

DWORD hookThread = 0;

bool IsModifierKey(WPARAM key) {
  switch (key) {
    case VK_CONTROL: case VK_SHIFT: case VK_MENU:
    case VK_LCONTROL: case VK_RCONTROL: case VK_LSHIFT: case VK_RSHIFT: case VK_LMENU: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

void OnKeyDown(MSG& message) {
  // Every key-down but the modifiers themselves, WM_SYSKEYDOWN too: F10 comes as
  // one without Alt held.
  if (IsModifierKey(message.wParam)) return;
  const auto virtualKey = static_cast<int32_t>(message.wParam & 0xFF);
  // The top bit marks a dead key; the character is the same.
  const auto character = static_cast<int32_t>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF);
  const std::optional<HotKeyHit> hit = FindHotKey(message.hwnd, virtualKey, character, HeldHotKeyModifiers);
  if (!hit || !hit->target) return;
  // The key reaches nobody else; HotKeyLock is already released, so the command's
  // handler may bind or drop hot keys itself.
  message.message = WM_NULL;
  SendMessageW(hit->target, WM_COMMAND, MAKEWPARAM(hit->id, 0), 0);
}

}  // namespace

int32_t HeldHotKeyModifiers() {
  // One request for all three (each GetKeyState is a trip to the window server
  // under Wine); the same thread state GetKeyState reads.
  BYTE keys[256] = {};
  if (!GetKeyboardState(keys)) return 0;
  int32_t modifiers = 0;
  if (keys[VK_CONTROL] & 0x80) modifiers |= kHotKeyCtrl;
  if (keys[VK_SHIFT] & 0x80) modifiers |= kHotKeyShift;
  if (keys[VK_MENU] & 0x80) modifiers |= kHotKeyAlt;
  return modifiers;
}

LRESULT CALLBACK HotKeyMessageHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // A peek that leaves the message queued (PM_NOREMOVE) calls the hook as well,
  // and a WM_NULL written then is lost: acting there would fire the key twice.
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN) {
      try {
        OnKeyDown(*message);
      } catch (...) {
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void InstallHotKeyMessageHook() {
  LockGuard guard(Locks().hotKey);
  if (!guard) return;
  auto& state = CommandBarState();
  if (state.hotKeyMessageHook) return;
  state.hotKeyMessageHook = SetWindowsHookExW(WH_GETMESSAGE, HotKeyMessageHookProc, nullptr, GetCurrentThreadId());
  if (state.hotKeyMessageHook) hookThread = GetCurrentThreadId();
}

void OnFocusSeenByCreationHook() {
  // The system keeps a thread's key state from the key messages that thread took,
  // and under Wine reads it afresh only when asked outside key processing: a
  // modifier released over another thread's window would read as held at the
  // next key press here. Asking as the thread's window is activated or focused
  // brings it up to date.
  // (Key by key: under Wine a request for the whole keyboard does not.)
  if (hookThread != GetCurrentThreadId() || !CommandBarState().hotKeyMessageHook) return;
  for (int key : {VK_CONTROL, VK_SHIFT, VK_MENU}) GetKeyState(key);
}

}  // namespace kelvra
