// The settings of menus, toolbars and rebars: Kelvra_Init gives them their first
// values once, and a second Kelvra_Init (the DLL's attach has already run it)
// leaves them as their owners set them.
#include <gtest/gtest.h>
#include <windows.h>

#include "commandbars/commandbar_globals.h"
#include "kelvra.h"

namespace kelvra {
namespace {

TEST(CommandBarGlobals, InitialSettings) {
  const CommandBarSettings s = CommandBarState().settings;
  EXPECT_EQ(-2, s.rebarInsertPosition);
  EXPECT_EQ(-1, s.rebarMouseHookState);
  EXPECT_EQ(-1, s.lastRebarId);
  EXPECT_EQ(-1, s.currentToolBarEx);
  EXPECT_EQ(-1, s.lastMenuExId);
  EXPECT_EQ(-1, s.lastPopupMenuExId);
  for (int i : s.menuKeyboardIndex) EXPECT_EQ(-1, i);
  EXPECT_EQ(16, s.menuImageWidth);
  EXPECT_EQ(16, s.menuImageHeight);
  EXPECT_EQ(0, s.hostSizingFlag);
}

TEST(CommandBarGlobals, SecondInitKeepsSettings) {
  auto& settings = CommandBarState().settings;
  settings.currentToolBarEx = 7;  // as a toolbar family would have set it
  Kelvra_Init();
  EXPECT_EQ(7, settings.currentToolBarEx) << "settings reset";
  settings.currentToolBarEx = -1;
}

}  // namespace
}  // namespace kelvra
