// The menu bar's keys: which key, with which lParam (as a keyboard with real scan
// codes sends it), in which state, enters, leaves or marks the bar.
#include <gtest/gtest.h>

#include "commandbars/hotkey/menu_bar_keys.h"

namespace {

using namespace kelvra;
using Action = MenuBarKeyAction;

constexpr uint32_t kAltPress = 0x20380001, kAltRepeat = 0x60380001, kAltRelease = 0xC0380001,
                   kRightAltPress = 0x21380001, kF10Press = 0x00440001, kF10Release = 0xC0440001,
                   kDownPress = 0x01500001, kDownRepeat = 0x41500001, kKeypadDown = 0x00500001,
                   kReturnPress = 0x001C0001, kKeypadEnter = 0x011C0001, kEscapePress = 0x00010001,
                   kEscapeRelease = 0xC0010001, kLetterPress = 0x001F0001, kLetterRelease = 0xC01F0001;

TEST(MenuBarKeys, AltAndF10EnterAndLeave) {
  const struct {
    const char* name;
    MenuBarKeyInput input;
    Action action;
  } cases[] = {
      {"Alt enters", {kMenuBarKeyAlt, kAltPress}, Action::EnterBar},
      {"bit 15 is ignored", {kMenuBarKeyAlt, kAltPress | 0x8000}, Action::EnterBar},
      {"Alt again leaves", {kMenuBarKeyAlt, kAltPress, false, false, 1, kBarKeyboardEntered}, Action::LeaveBar},
      {"Alt in a menu opened by keys leaves", {kMenuBarKeyAlt, kAltPress, false, false, 1, 0}, Action::LeaveBar},
      {"auto-repeat does nothing", {kMenuBarKeyAlt, kAltRepeat}, Action::None},
      {"right Alt (AltGr) does nothing", {kMenuBarKeyAlt, kRightAltPress}, Action::None},
      {"Alt release does nothing", {kMenuBarKeyAlt, kAltRelease, false, false, 1, kBarKeyboardEntered}, Action::None},
      {"Alt release with hot title -2 leaves",
       {kMenuBarKeyAlt, kAltRelease, false, false, 1, kBarKeyboardKeyFollowed, -2},
       Action::LeaveBarAfterAltRelease},
      {"F10 enters", {kMenuBarKeyF10, kF10Press}, Action::EnterBar},
      {"F10 again leaves", {kMenuBarKeyF10, kF10Press, false, false, 1, kBarKeyboardEntered}, Action::LeaveBar},
      {"Shift+F10 or Ctrl+F10 does not enter", {kMenuBarKeyF10, kF10Press, false, true}, Action::None},
      {"Shift+F10 in the bar does not mark it",
       {kMenuBarKeyF10, kF10Press, false, true, 1, kBarKeyboardEntered},
       Action::None},
      {"disabled F10 does nothing", {kMenuBarKeyF10, kF10Press, true}, Action::None},
      {"disabled F10 in the bar does not mark it",
       {kMenuBarKeyF10, kF10Press, true, false, 1, kBarKeyboardEntered},
       Action::None},
      {"F10 release does nothing", {kMenuBarKeyF10, kF10Release}, Action::None},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideMenuBarKey(c.input), c.action) << c.name;
}

TEST(MenuBarKeys, KeysInsideTheBar) {
  const auto in = [](uint32_t key, uint32_t lParam, int32_t mode = kBarKeyboardEntered) {
    return MenuBarKeyInput{key, lParam, false, false, 1, mode, -1};
  };
  const struct {
    const char* name;
    MenuBarKeyInput input;
    Action action;
  } cases[] = {
      {"Escape leaves", in(kMenuBarKeyEscape, kEscapePress), Action::EscapeBar},
      {"Escape's release does nothing", in(kMenuBarKeyEscape, kEscapeRelease), Action::None},
      {"Escape after another key does nothing", in(kMenuBarKeyEscape, kEscapePress, kBarKeyboardKeyFollowed),
       Action::None},
      {"Escape outside the bar does nothing", in(kMenuBarKeyEscape, kEscapePress, kBarKeyboardOff), Action::None},
      {"Down opens", in(kMenuBarKeyDown, kDownPress), Action::OpenHotTitle},
      {"Down held opens", in(kMenuBarKeyDown, kDownRepeat), Action::OpenHotTitle},
      {"the keypad's Down does not", in(kMenuBarKeyDown, kKeypadDown), Action::None},
      {"Return opens", in(kMenuBarKeyReturn, kReturnPress), Action::OpenHotTitle},
      {"the keypad's Enter does not", in(kMenuBarKeyReturn, kKeypadEnter), Action::None},
      {"Left and Right move the hot title", in(kMenuBarKeyLeft, 0x014B0001), Action::None},
      {"Right", in(kMenuBarKeyRight, 0x014D0001), Action::None},
      {"a letter marks the bar", in('S', kLetterPress), Action::KeyFollowed},
      {"a letter's release does not", in('S', kLetterRelease), Action::None},
      {"a letter after another key changes nothing", in('S', kLetterPress, kBarKeyboardKeyFollowed), Action::None},
      {"a letter outside the bar", in('S', kLetterPress, kBarKeyboardOff), Action::None},
      {"Down outside the bar", in(kMenuBarKeyDown, kDownPress, kBarKeyboardOff), Action::None},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideMenuBarKey(c.input), c.action) << c.name;
}

}  // namespace
