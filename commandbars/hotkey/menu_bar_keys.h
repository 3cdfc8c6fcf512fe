// What a key seen by the menu keyboard hook does to a menu bar: Alt and F10 enter
// and leave the bar, Escape leaves it, Down and Return open the hot title's menu,
// and any other key ends the bar's "nothing else yet" mode. Pure: the hook reads
// the key, its lParam and the tracking's fields and acts on the answer.
#pragma once

#include <cstdint>

namespace kelvra {

// The virtual keys the bar answers (their Win32 values).
inline constexpr uint32_t kMenuBarKeyReturn = 0x0D, kMenuBarKeyAlt = 0x12, kMenuBarKeyEscape = 0x1B,
                          kMenuBarKeyLeft = 0x25, kMenuBarKeyRight = 0x27, kMenuBarKeyDown = 0x28,
                          kMenuBarKeyF10 = 0x79;

// Bar keyboard modes (MenuTrackingState::barKeyboardMode).
inline constexpr int32_t kBarKeyboardOff = 0;
inline constexpr int32_t kBarKeyboardEntered = 1;   // entered by Alt or F10, nothing else yet
inline constexpr int32_t kBarKeyboardKeyFollowed = -2;

struct MenuBarKeyInput {
  uint32_t key = 0;              // the virtual key (the keyboard hook's wParam)
  uint32_t lParam = 0;           // repeat count, scan code, extended, Alt, previous and release bits
  bool f10Disabled = false;      // MenuExF10Disable
  bool ctrlOrShiftHeld = false;  // read for F10 only: Shift+F10 is the context-menu key
  int32_t keyboardNavigation = 0;
  int32_t barKeyboardMode = 0;
  int32_t hotTitle = -1;
};

enum class MenuBarKeyAction {
  None,
  EnterBar,                 // the bar takes the focus with its first title hot
  LeaveBar,                 // the menu ends, the focus goes back, no title hot
  LeaveBarAfterAltRelease,  // the same, and the current menu is no longer dropped down
  EscapeBar,                // the bar lets go of the focus, no title hot
  OpenHotTitle,             // the hot title's menu opens through the library's drop-down
  KeyFollowed,              // another key came after the entry: the mode becomes -2
};

MenuBarKeyAction DecideMenuBarKey(const MenuBarKeyInput& input);

// A key press, not a release (bit 31 of lParam clear).
constexpr bool IsKeyPress(uint32_t lParam) { return (lParam & 0x80000000u) == 0; }

}  // namespace kelvra
