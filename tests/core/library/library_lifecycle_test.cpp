// Kelvra_Init run a second time (the DLL's attach has already run it) must leave
// the library's state alone: locks, glyphs, fonts and bindings stay as they are.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/platform/platform_bindings.h"
#include "core/library/reentrant_lock.h"
#include "kelvra.h"

namespace kelvra {
namespace {

TEST(LibraryLifecycle, SecondInitDoesNothing) {
  auto& globals = Globals();
  ASSERT_EQ(LibraryState::Initialised, globals.state);
  ASSERT_TRUE(globals.defaultUIFont);
  ASSERT_TRUE(globals.arrowCursor);
  globals.settings.markupLinePadding = 7;  // as a text control would have set it

  const HICON icon = globals.emptyIcon;
  const HIMAGELIST list1 = globals.glyphList1, list2 = globals.glyphList2;
  const HFONT font = globals.defaultUIFont;
  const HMODULE uxtheme = UxTheme().module;
  const void* themes = UxTheme().themes.scrollbar;
  ReentrantLock* panel = &Locks().panel;

  LockGuard held(Locks().panel);  // a lock that is held across the second call
  ASSERT_TRUE(held);
  Kelvra_Init();

  EXPECT_EQ(panel, &Locks().panel);
  EXPECT_TRUE(Locks().panel.HeldByCurrentThread()) << "the held lock was not re-created";
  EXPECT_EQ(7, globals.settings.markupLinePadding) << "settings reset";
  EXPECT_EQ(icon, globals.emptyIcon);
  EXPECT_EQ(list1, globals.glyphList1);
  EXPECT_EQ(list2, globals.glyphList2);
  EXPECT_EQ(font, globals.defaultUIFont);
  EXPECT_EQ(uxtheme, UxTheme().module);
  EXPECT_EQ(themes, UxTheme().themes.scrollbar);
  EXPECT_EQ(LibraryState::Initialised, globals.state);
  globals.settings.markupLinePadding = 0;
}

TEST(LibraryLifecycle, InitialSettings) {
  EXPECT_EQ(0, Globals().settings.markupLinePadding);
  EXPECT_NE(nullptr, Globals().gdiAlphaBlend);
  EXPECT_GT(Globals().comctlVersion.major, 0u);
}

}  // namespace
}  // namespace kelvra
