// A host window's WM_THEMECHANGED (sent: switching styles at run time would stay
// in the prefix): the theme handles opened again, the visual-styles flag read
// again, the element cache emptied. Its classic variant runs without a style.
#include <gtest/gtest.h>

#include <array>

#include "core/platform/uxtheme_api.h"
#include "skin/elements/ui_element_painter.h"
#include "tests/commandbars/host_window/host_window_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

std::array<ThemeHandle, 7> Handles() {
  const ThemeHandles& t = UxTheme().themes;
  return {t.scrollbar, t.explorerbar, t.rebar, t.tab, t.toolbar, t.menu, t.button};
}

// Paints one UI-style element into a small bitmap; returns how many were drawn
// anew into the cache meanwhile.
uint32_t DrawsOfOnePaint() {
  Dib32 target(40, 24);
  const uint32_t before = UIElementDrawCount();
  PaintUIElement(target.dc(), UISTYLE_OFFICE2003, 44, RECT{0, 0, 40, 24}, 0);
  return UIElementDrawCount() - before;
}

TEST(HostWindowTheme, HandlesOpenedAgainAndCachesEmptied) {
  EnsureHostTestsStarted();
  CountingHost host;
  ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
  const int styles = UxTheme().visualStyles;
  const auto before = Handles();
  const uint32_t generation = UxTheme().generation;
  DrawsOfOnePaint();
  ASSERT_EQ(DrawsOfOnePaint(), 0u) << "the second paint copies from the cache";

  EXPECT_EQ(SendMessageW(host, WM_THEMECHANGED, 0, 0), kOwnAnswer);
  const auto after = Handles();
  EXPECT_EQ(UxTheme().visualStyles, styles);
  EXPECT_GT(UxTheme().generation, generation);
  if (styles) {
    // Wine opens all but "explorerbar": whatever was open is open again.
    for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i] != nullptr, before[i] != nullptr) << "handle " << i;
    EXPECT_NE(after[0], nullptr);
  } else {
    EXPECT_EQ(after[0], nullptr);
    for (size_t i = 1; i < after.size(); ++i) EXPECT_EQ(after[i], before[i]) << "handle " << i << " is kept";
  }
  EXPECT_GT(DrawsOfOnePaint(), 0u) << "the element is drawn anew";
  FreeToolBarEx(-1);
}

}  // namespace
