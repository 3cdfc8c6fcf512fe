// Kelvra_End puts drop shadows away: the shadow windows left go, both strip
// caches are freed and the window class is unregistered (the system keeps a
// DLL's classes after it unloads, pointing at code that is gone). Its own
// program: it ends the library.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/shadow/drop_shadow.h"
#include "kelvra.h"

namespace kelvra {
namespace {

bool ClassRegistered() {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  return GetClassInfoExW(LibraryModule(), kDropShadowClass, &info) != FALSE;
}

TEST(DropShadowEnd, WindowsCachesAndClassGoWithTheLibrary) {
  StartKelvra();
  const HWND vertical = CreateDropShadow(300, 100, 5, 100, RGB(1, 2, 3), 100, kShadowVertical);
  const HWND horizontal = CreateDropShadow(100, 300, 100, 5, RGB(1, 2, 3), 100, 0);
  ASSERT_TRUE(vertical && horizontal);
  const HBITMAP cached = VerticalStripCache().bitmap;
  ASSERT_TRUE(cached && HorizontalStripCache().bitmap);
  ASSERT_TRUE(ClassRegistered());

  Kelvra_End();

  EXPECT_FALSE(IsWindow(vertical));
  EXPECT_FALSE(IsWindow(horizontal));
  EXPECT_EQ(0u, DropShadowList().Size());
  EXPECT_FALSE(VerticalStripCache().bitmap);
  EXPECT_FALSE(HorizontalStripCache().bitmap);
  EXPECT_EQ(0u, GetObjectType(cached));
  EXPECT_FALSE(ClassRegistered());

  // A shadow asked for afterwards registers the class again.
  const HWND later = CreateDropShadow(300, 100, 5, 100, RGB(1, 2, 3), 100, kShadowVertical);
  EXPECT_TRUE(later);
  EXPECT_TRUE(ClassRegistered());
  DestroyWindow(later);
  CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches);
}

}  // namespace
}  // namespace kelvra
