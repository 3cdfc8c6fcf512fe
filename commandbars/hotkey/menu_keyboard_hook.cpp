// The menu keyboard hook: entering and leaving a menu bar by key, and the
// mnemonics of a long menu's slice.
#include "commandbars/hotkey/menu_keyboard_hook.h"

#include <commctrl.h>

#include <mutex>

#include "commandbars/commandbar_globals.h"
#include "commandbars/commandbars_seam.h"
#include "commandbars/hotkey/menu_bar_keys.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The bar of the window in use: a bar or title record (not a popup's, not a
// toolbar drop-down's binding) carried by the root of the window that has the
// focus. Taking the first record with any bar window instead would pick a
// popup's -1 or a plain toolbar, and with two windows the other window's bar.
HWND BarOfWindowInUse() {
  HWND inUse = GetFocus();
  if (!inUse) inUse = GetActiveWindow();
  HWND root = inUse ? GetAncestor(inUse, GA_ROOT) : nullptr;
  if (!root) return nullptr;
  LockGuard guard(Locks().menu);
  if (!guard) return nullptr;
  for (const MenuExRecord& record : MenuExList()) {
    if ((record.kind != MenuExKind::BareBar && record.kind != MenuExKind::Title) || record.popupMarker != 0) continue;
    HWND bar = record.BarWindow();
    if (!bar || bar == kMenuExNoBar || !record.ownerWindow) continue;
    if (GetAncestor(record.ownerWindow, GA_ROOT) == root && IsWindow(bar)) return bar;
  }
  return nullptr;
}

void ForgetHotTitle(MenuTrackingState& tracking) {
  tracking.keyboardNavigation = 0;
  tracking.hotTitle = -1;
  tracking.pendingTitle = -1;
  tracking.lastHitTitle = -1;
  tracking.barKeyboardMode = kBarKeyboardOff;
}

void GiveFocusBack(const MenuTrackingState& tracking) {
  if (tracking.focusWindow && IsWindow(tracking.focusWindow)) SetFocus(tracking.focusWindow);
}

void ClearBarHotItem(HWND bar) {
  if (!bar || !IsWindow(bar)) return;
  SendMessageW(bar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
  UpdateWindow(bar);
}

// The current menu record is dropped down no more (it may have gone meanwhile).
void ClearTrackedDropDown() {
  LockGuard guard(Locks().menu);
  if (!guard) return;
  MenuExRecord* record = MenuTracking().trackedRecord;
  if (record && MenuExList().Contains(record)) record->dropDownFlag = 0;
}

// False when the window in use has no bar: the key is the window's.
bool EnterBar(MenuTrackingState& tracking) {
  HWND bar = BarOfWindowInUse();
  if (!bar) return false;
  tracking.barWindow = bar;
  tracking.keyboardNavigation = 1;
  tracking.barKeyboardMode = kBarKeyboardEntered;
  tracking.focusWindow = GetFocus();
  SetFocus(bar);
  SendMessageW(bar, TB_SETHOTITEM, 0, 0);
  return true;
}

void LeaveBar(MenuTrackingState& tracking) {
  ForgetHotTitle(tracking);
  EndMenu();
  GiveFocusBack(tracking);
  ClearBarHotItem(tracking.barWindow);
}

// Down or Return on the hot title: the toolbar would move its hot item on Down
// and send WM_COMMAND on Return, and a menu opened by it beside the library's
// would be two; the library's own drop-down opens it instead.
bool OpenHotTitle(MenuTrackingState& tracking) {
  tracking.barKeyboardMode = kBarKeyboardKeyFollowed;
  HWND bar = tracking.barWindow;
  if (!bar || !IsWindow(bar)) return false;
  HWND host = GetParent(bar);
  if (!host) return false;
  const auto title = static_cast<int32_t>(SendMessageW(bar, TB_GETHOTITEM, 0, 0));
  if (title < 0) return false;
  return PostMessageW(host, MenuBarKeyDropDownMessage, reinterpret_cast<WPARAM>(bar), title) != FALSE;
}

bool SameCharacter(const std::wstring& mnemonic, wchar_t typed) {
  if (mnemonic.size() != 1) return false;
  wchar_t pair[2] = {mnemonic[0], typed};
  CharUpperBuffW(pair, 2);
  return pair[0] == pair[1];
}

// A long menu's slice draws its items itself, so the system knows none of their
// mnemonics: a typed character runs the first item it marks, unless that item
// opens a submenu.
void RunMnemonic(MenuTrackingState& tracking, WPARAM key) {
  const auto typed = static_cast<wchar_t>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_CHAR) & 0xFFFF);
  if (!typed) return;
  HWND owner = nullptr;
  int32_t id = -1;
  {
    LockGuard guard(Locks().menu);
    if (!guard) return;
    const MenuExRecord* record = tracking.trackedRecord;
    if (!record || !MenuExList().Contains(record) || record->menuHandle != tracking.scrollSliceMenu) return;
    for (const MenuMnemonic& entry : tracking.menuMnemonics) {
      if (!SameCharacter(entry.mnemonic, typed)) continue;
      id = entry.commandId;
      break;
    }
    if (id < 0) return;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_SUBMENU;
    if (!tracking.scrollFullMenu || !GetMenuItemInfoW(tracking.scrollFullMenu, static_cast<UINT>(id), FALSE, &item) ||
        item.hSubMenu)
      return;
    owner = record->ownerWindow ? record->ownerWindow : tracking.trackingOwner;
  }
  // MenuLock is released: the command's handler may use menus.
  if (owner && IsWindow(owner)) SendMessageW(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  ForgetHotTitle(tracking);
  ClearTrackedDropDown();
  EndMenu();
  GiveFocusBack(tracking);
}

// True when the key is kept from the window it was meant for.
bool OnMenuKey(WPARAM key, LPARAM lParam) {
  auto& tracking = MenuTracking();
  MenuBarKeyInput input;
  input.key = static_cast<uint32_t>(key);
  input.lParam = static_cast<uint32_t>(lParam);
  input.f10Disabled = CommandBarState().settings.f10Disable != 0;
  // Asked only for F10: a trip to the window server each.
  if (key == VK_F10) input.ctrlOrShiftHeld = Held(VK_CONTROL) || Held(VK_SHIFT);
  input.keyboardNavigation = tracking.keyboardNavigation;
  input.barKeyboardMode = tracking.barKeyboardMode;
  input.hotTitle = tracking.hotTitle;

  bool keep = false;
  switch (DecideMenuBarKey(input)) {
    case MenuBarKeyAction::None:
      break;
    // The press that enters or leaves the bar reaches no window: the system's
    // default procedure would answer its release with SC_KEYMENU to the root,
    // which in a window with a window menu and no native menu bar starts the
    // keyboard loop of the window menu, a modal loop that would take Down, Return
    // and Escape from the bar (and a second Alt from leaving it).
    case MenuBarKeyAction::EnterBar:
      return EnterBar(tracking);
    case MenuBarKeyAction::LeaveBar:
      LeaveBar(tracking);
      return true;
    case MenuBarKeyAction::LeaveBarAfterAltRelease:
      LeaveBar(tracking);
      ClearTrackedDropDown();
      return true;
    case MenuBarKeyAction::EscapeBar:
      ClearBarHotItem(tracking.barWindow);
      GiveFocusBack(tracking);
      ForgetHotTitle(tracking);
      break;
    case MenuBarKeyAction::OpenHotTitle:
      keep = OpenHotTitle(tracking);
      break;
    case MenuBarKeyAction::KeyFollowed:
      tracking.barKeyboardMode = kBarKeyboardKeyFollowed;
      break;
  }
  if (tracking.scrollSliceMenu && IsKeyPress(input.lParam) && !tracking.menuMnemonics.empty()) RunMnemonic(tracking, key);
  return keep;
}

std::mutex& InstallMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

LRESULT CALLBACK MenuKeyboardHookProc(int code, WPARAM key, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(nullptr, code, key, lParam);
  if (code != HC_ACTION) return next;
  try {
    if (OnMenuKey(key, lParam)) return 1;
  } catch (...) {
  }
  return next;
}

void InstallMenuKeyboardHook(DWORD threadId) {
  // Thread 0 would ask for a hook on every thread of the desktop.
  if (!threadId) return;
  std::lock_guard lock(InstallMutex());
  auto& state = CommandBarState();
  if (state.menuKeyboardHook) return;
  state.menuKeyboardHook = SetWindowsHookExW(WH_KEYBOARD, MenuKeyboardHookProc, nullptr, threadId);
}

}  // namespace kelvra
