// The theme border sets captured from the visual style by the first panel, and
// the theme handles a panel reopens on WM_THEMECHANGED; run again with UxTheme
// switched off (variants.cmake), where nothing is captured.
#include <gtest/gtest.h>

#include "core/border/border_image_set.h"
#include "core/platform/uxtheme_api.h"
#include "panels/paint/theme_border_sets.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra::test;

class ThemeBorders : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    number_ = CreatePanelEx(-1, Host(), 10, 20, 300, 150, nullptr);
    ASSERT_NE(number_, 0);
  }
  void TearDown() override { FreePanelEx(-1); }

  static HRGN RegionOf(int32_t background) {
    const RECT rect{0, 0, 100, 60};
    kelvra::BorderImageSet* set = kelvra::ThemeBorderSetFor(background);
    return set ? kelvra::GetBorderMaskRegion(set, &rect) : nullptr;
  }

  int number_ = 0;
};

TEST_F(ThemeBorders, CapturedOnceWhileAStyleIsActive) {
  if (!kelvra::UxTheme().visualStyles) {
    EXPECT_FALSE(kelvra::ThemeBordersCaptured());
    EXPECT_EQ(kelvra::ThemeBorderSetFor(8), nullptr);
    return;
  }
  ASSERT_TRUE(kelvra::ThemeBordersCaptured());
  kelvra::BorderImageSet* normal = kelvra::ThemeBorderSetFor(8);
  ASSERT_NE(normal, nullptr);
  for (int32_t background : {9, 10, 11, 0}) EXPECT_NE(kelvra::ThemeBorderSetFor(background), nullptr);
  EXPECT_EQ(kelvra::ThemeBorderSetFor(5), nullptr);
  // Another panel captures nothing new.
  CreatePanelEx(-1, Host(), 0, 0, 10, 10, nullptr);
  EXPECT_EQ(kelvra::ThemeBorderSetFor(8), normal);

  // A face with rounded corners clips them; the button sets only clip.
  const HRGN button = RegionOf(8);
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(PtInRegion(button, 0, 0));
  EXPECT_TRUE(PtInRegion(button, 50, 30));
  Dib32 target(100, 60);
  const RECT rect{0, 0, 100, 60};
  EXPECT_EQ(kelvra::DrawBorderImageSet(target.dc(), normal, &rect), 0);
  // The pressed face is drawn in one flat colour here: it gives no mask, and so
  // clips nothing rather than everything.
  EXPECT_EQ(RegionOf(10), nullptr);
}

TEST_F(ThemeBorders, AThemeThatDidNotOpenLeavesItsSetEmpty) {
  if (!kelvra::UxTheme().visualStyles) GTEST_SKIP() << "no visual style";
  // A theme that did not open leaves its set empty.
  kelvra::UxThemeApi& api = kelvra::UxTheme();
  const kelvra::ThemeHandle tab = api.themes.tab;
  {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    kelvra::ReleaseThemeBorderSets();
    api.themes.tab = nullptr;
    kelvra::CaptureThemeBorders();
    api.themes.tab = tab;
  }
  ASSERT_NE(kelvra::ThemeBorderSetFor(0), nullptr);
  EXPECT_EQ(RegionOf(0), nullptr);
  Dib32 target(100, 60);
  const RECT rect{0, 0, 100, 60};
  EXPECT_EQ(kelvra::DrawBorderImageSet(target.dc(), kelvra::ThemeBorderSetFor(0), &rect), 0);
  EXPECT_NE(RegionOf(8), nullptr);
  kelvra::LockGuard lock(kelvra::Locks().panel);
  kelvra::ReleaseThemeBorderSets();
  kelvra::CaptureThemeBorders();
}

TEST_F(ThemeBorders, ThemeChangeReopensThePaintersThemes) {
  const HWND panel = PanelExID(number_, -1);
  kelvra::UxThemeApi& api = kelvra::UxTheme();
  EXPECT_EQ(SendMessageW(panel, WM_THEMECHANGED, 0, 0), 0);
  if (!api.module) {
    EXPECT_EQ(api.themes.tab, nullptr);
    EXPECT_EQ(api.themes.rebar, nullptr);
    return;
  }
  // "explorerbar" does not open under every style; "rebar" and "tab" do.
  EXPECT_NE(api.themes.tab, nullptr);
  EXPECT_NE(api.themes.rebar, nullptr);
  EXPECT_NE(api.themes.button, nullptr);  // not the panel's to reopen
}

}  // namespace
