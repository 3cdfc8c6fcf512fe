// ReadPageLook over a real skin: every field of a page look read by name, with and
// without a property-name prefix (other names left alone), the one solid gradient
// a colour background makes however often it is read, and SetPageLook putting a
// look on a page.
#include <gtest/gtest.h>

#include <string>

#include "core/colour/gradient_list.h"
#include "panels/page/page_look_reader.h"
#include "skin/records/skin_list.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

HBITMAP SolidBitmap(int width, int height) {
  uint32_t* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib32(width, height, &bits);
  for (int i = 0; bitmap && i < width * height; ++i) bits[i] = 0xFF304050;
  return bitmap;
}

class PageLookReader : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    skin_ = CreateSkin(L"page look test skin");
    SetSkinAutoUpdate(skin_, 0);
  }
  void TearDown() override {
    FreeSkin(skin_);
    FreePanelEx(-1);
    DeleteObject(image_);
    DeleteObject(border_);
    DeleteObject(mask_);
  }
  void Set(const std::wstring& property, const wchar_t* value) {
    SetSkinProperty(skin_, L"lookpane", L"normal", property.c_str(), value);
  }
  void SetData(const std::wstring& property, HANDLE data) {
    SetSkinPropertyData(skin_, L"lookpane", L"normal", property.c_str(), data);
  }
  // The page look's properties, each name after `prefix`.
  void SetLook(const std::wstring& p, const wchar_t* background) {
    Set(p + L"background image", L"yes;");
    SetData(p + L"background image", image_);
    Set(p + L"background position", L"right: 4; top: 50%;");
    Set(p + L"background", background);
    Set(p + L"border image", L"top: 3; left: 5; bottom: 7; right: 9;");
    SetData(p + L"border image", border_);
    Set(p + L"border mask", L"yes;");
    SetData(p + L"border mask", mask_);
    Set(p + L"overlay image", L"yes;");
    SetData(p + L"overlay image", image_);
    Set(p + L"overlay position", L"x: centre; tile: true;");
    Set(p + L"overlay", L"-1;");
  }
  PageLook Read(std::wstring_view prefix) {
    SkinRecord* skin = FindSkin(skin_);
    EXPECT_NE(skin, nullptr);
    SkinStateReader reader(*skin, L"lookpane");
    reader.SelectState(L"normal");
    return ReadPageLook(*skin, reader, prefix);
  }

  HANDLE skin_ = nullptr;
  HBITMAP image_ = SolidBitmap(4, 4);
  HBITMAP border_ = SolidBitmap(20, 20);
  HBITMAP mask_ = SolidBitmap(20, 20);
};

TEST_F(PageLookReader, EveryFieldByNameWithAndWithoutAPrefix) {
  struct Case {
    const wchar_t* prefix;
    const wchar_t* other;  // a prefix whose properties must not be read
  };
  for (const Case& c : {Case{L"", L"group "}, Case{L"group ", L""}, Case{L"gripper ", L"group "}}) {
    const std::string what = "prefix \"" + std::string(c.prefix, c.prefix + wcslen(c.prefix)) + "\"";
    FreeSkin(skin_);
    skin_ = CreateSkin(L"page look test skin");
    SetSkinAutoUpdate(skin_, 0);
    SetLook(c.prefix, L"12;");
    Set(std::wstring(c.other) + L"background", L"34;");
    Set(std::wstring(c.other) + L"overlay", L"56;");

    const PageLook look = Read(c.prefix);
    EXPECT_EQ(look.background.image, image_) << what;
    EXPECT_EQ(look.background.flags, 0x402) << what;  // right edge, top percent
    EXPECT_EQ(look.background.x, 4) << what;
    EXPECT_EQ(look.background.y, 50) << what;
    EXPECT_EQ(look.background.value, 12) << what;
    EXPECT_EQ(look.borderImage, border_) << what;
    EXPECT_EQ(std::to_string(look.borderMargins.top) + " " + std::to_string(look.borderMargins.left) + " " +
                  std::to_string(look.borderMargins.bottom) + " " + std::to_string(look.borderMargins.right),
              "3 5 7 9")
        << what;
    EXPECT_EQ(look.borderMask, reinterpret_cast<intptr_t>(mask_)) << what;
    EXPECT_EQ(look.overlay.image, image_) << what;
    EXPECT_EQ(look.overlay.flags, 0x310) << what;  // x centre, tiled
    EXPECT_EQ(look.overlay.value, -1) << what;

    // The other prefix reads only what was set under it.
    const PageLook other = Read(c.other);
    EXPECT_EQ(other.background.value, 34) << what;
    EXPECT_EQ(other.overlay.value, 56) << what;
    EXPECT_EQ(other.background.image, nullptr) << what;
    EXPECT_EQ(other.borderImage, nullptr) << what;
    EXPECT_FALSE(other.borderMargins.AllGiven()) << what;
  }
  // A state without properties reads all 0.
  const PageLook none = Read(L"nothing ");
  EXPECT_EQ(none.background.value, 0);
  EXPECT_EQ(none.overlay.value, 0);
  EXPECT_EQ(none.borderMask, 0);
}

TEST_F(PageLookReader, AColourBackgroundIsOneSolidGradientAttachedToItsProperty) {
  Set(L"group background", L"#ff0000;");
  const PageLook first = Read(L"group ");
  if (!first.background.value) GTEST_SKIP() << "no GDI+: no gradient can be made";
  const auto* gradient = FindGradient(reinterpret_cast<const void*>(static_cast<intptr_t>(first.background.value)));
  ASSERT_NE(gradient, nullptr);
  EXPECT_EQ(gradient->startColour, 0xFFFF0000u);
  EXPECT_EQ(gradient->endColour, 0xFFFF0000u);
  EXPECT_EQ(gradient->type, kGradientHorizontal);
  // Read again: the same gradient, none made anew.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Read(L"group ").background.value, first.background.value);
  // Another colour replaces it on the property.
  Set(L"group background", L"#0000ff;");
  EXPECT_NE(Read(L"group ").background.value, first.background.value);
}

TEST_F(PageLookReader, SetPageLookPutsTheLookOnThePage) {
  const int panel = CreatePanelEx(-1, Host(), 0, 0, 60, 40, nullptr);
  const HWND page = AddPanelExPage(-1);
  ASSERT_NE(page, nullptr);
  SetLook(L"", L"7;");
  const PageLook look = Read(L"");
  SetPageLook(panel, 0, look);
  EXPECT_EQ(WithPage(page, [](auto& p) { return p.backgroundSet.background; }), 7);
  EXPECT_EQ(WithPage(page, [](auto& p) { return p.overlaySet.background; }), -1);
  EXPECT_EQ(WithPage(page, [](auto& p) { return p.border != nullptr; }), true);
}

}  // namespace
