// The menu bar's keys as plain arithmetic on the key and its lParam.
#include "commandbars/hotkey/menu_bar_keys.h"

namespace kelvra {

namespace {

// Bit 15 belongs to the repeat count and says nothing about the key.
constexpr uint32_t kIgnoredBits = 0x8000u;

// A keyboard's first press of the left Alt (scan code 0x38, Alt held), its
// release, and F10's first press (scan code 0x44). The right Alt comes extended
// (0x21380001) and matches none: on many layouts it is AltGr.
constexpr uint32_t kAltFirstPress = 0x20380001u;
constexpr uint32_t kAltRelease = 0xC0380001u;
constexpr uint32_t kF10FirstPress = 0x00440001u;
constexpr uint32_t kReturnFirstPress = 0x001C0001u;

// Down from the arrow keys: scan code 0x50 with the extended bit, pressed (the
// previous-state bit may be set by auto-repeat). The keypad's 2 without Num Lock
// sends the same key unextended.
bool IsArrowDownPress(uint32_t lParam) { return ((lParam >> 16) & 0xBFFFu) == 0x0150u; }

}  // namespace

MenuBarKeyAction DecideMenuBarKey(const MenuBarKeyInput& input) {
  const uint32_t lParam = input.lParam & ~kIgnoredBits;
  const bool alt = input.key == kMenuBarKeyAlt;
  if (alt || (input.key == kMenuBarKeyF10 && !input.f10Disabled)) {
    // F10's lParam looks the same with Ctrl or Shift held; Shift+F10 asks for a
    // context menu and Ctrl+F10 is the application's.
    const bool firstPress = alt ? lParam == kAltFirstPress : lParam == kF10FirstPress && !input.ctrlOrShiftHeld;
    if (firstPress) return input.keyboardNavigation != 0 ? MenuBarKeyAction::LeaveBar : MenuBarKeyAction::EnterBar;
    if (alt && lParam == kAltRelease && input.hotTitle == -2) return MenuBarKeyAction::LeaveBarAfterAltRelease;
    return MenuBarKeyAction::None;
  }
  if (input.barKeyboardMode != kBarKeyboardEntered || !IsKeyPress(lParam)) return MenuBarKeyAction::None;
  switch (input.key) {
    case kMenuBarKeyEscape:
      return MenuBarKeyAction::EscapeBar;
    case kMenuBarKeyDown:
      return IsArrowDownPress(lParam) ? MenuBarKeyAction::OpenHotTitle : MenuBarKeyAction::None;
    case kMenuBarKeyReturn:
      return lParam == kReturnFirstPress ? MenuBarKeyAction::OpenHotTitle : MenuBarKeyAction::None;
    case kMenuBarKeyF10:  // disabled, or with Ctrl or Shift
    case kMenuBarKeyLeft:
    case kMenuBarKeyRight:
      return MenuBarKeyAction::None;
    default:
      return MenuBarKeyAction::KeyFollowed;
  }
}

}  // namespace kelvra
