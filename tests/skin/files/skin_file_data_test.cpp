// The lifetime of data loaded from files: a control keeps painting what it was
// given until it is re-skinned, one file makes one object however often it is
// named, and FreeSkin takes every icon, bitmap and block with it.
#include <gtest/gtest.h>

#include <string>

#include "kelvra.h"
#include "skin/records/skin_data_objects.h"
#include "skin/records/skin_list.h"
#include "tests/panels/button/button_test_support.h"
#include "tests/skin/files/skin_file_fixtures.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

COLORREF ScreenPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

class SkinFileDataLife : public SkinFileTest {
 protected:
  void SetUp() override {
    SkinFileTest::SetUp();
    EnsureStarted();
    host_ = Host();
    ShowAndRaise(host_);
    MovePointerAway();
  }
  void TearDown() override {
    FreeButtonEx(-1);
    SkinFileTest::TearDown();
  }
  HWND host_ = nullptr;
};

TEST_F(SkinFileDataLife, AButtonPaintsItsFileImageUntilReskinned) {
  Write(L"red.bmp", SolidBmpFile(100, 30, 0xFFFF0000));
  Write(L"blue.bmp", SolidBmpFile(100, 30, 0xFF0000FF));
  HANDLE skin = Keep(CreateSkin(L"Life"));
  SetSkinAutoUpdate(skin, 0);
  ASSERT_EQ(SetSkinProperty(skin, L"buttonex", L"normal", L"background image", L"red.bmp"), 1);
  const HANDLE red = GetSkinPropertyData(skin, L"buttonex", L"normal", L"background image");
  const int button = ButtonEx(host_, -1, 10, 10, 100, 30, L"", nullptr, nullptr, nullptr, nullptr, skin);
  ASSERT_NE(button, 0);
  const HWND page = PageOf(button);
  auto shows = [&](COLORREF colour) {
    return PumpUntil([&] { return ScreenPixel(page, 50, 15) == colour; }, 3000);
  };
  ASSERT_TRUE(shows(RGB(255, 0, 0)));

  // A file value does not re-apply the skin: the button keeps the red bitmap,
  // which stays alive, and goes on painting it.
  SetSkinAutoUpdate(skin, 1);
  ASSERT_EQ(SetSkinProperty(skin, L"buttonex", L"normal", L"background image", L"blue.bmp"), 1);
  EXPECT_EQ(GetObjectType(red), static_cast<DWORD>(OBJ_BITMAP));
  RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessagesFor(100);
  EXPECT_EQ(ScreenPixel(page, 50, 15), RGB(255, 0, 0));
  ASSERT_EQ(UpdateSkins(skin), 1);
  EXPECT_TRUE(shows(RGB(0, 0, 255))) << "re-skinned, it paints the new file";
}

TEST_F(SkinFileDataLife, OneFileOneObjectAndFreeSkinReleasesThem) {
  Write(L"glyph.ico", SolidIcoFile(16, 0xFF00FF00));
  Write(L"picture.bmp", SolidBmpFile(8, 8, 0xFF808080));
  Write(L"bytes.dat", "some raw bytes");
  HANDLE skin = CreateSkin(L"Objects");
  SetSkinAutoUpdate(skin, 0);
  const SkinRecord* record = FindSkin(skin);
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"icon", L"glyph.ico"), 1);
    ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"picture", L"picture.bmp"), 1);
    ASSERT_EQ(SetSkinProperty(skin, L"c", L"other state", L"data", L"bytes.dat"), 1);
  }
  EXPECT_EQ(record->heldData.size(), 3u) << "100 settings of a file hold one object";
  EXPECT_EQ(record->loadedFiles.size(), 3u);
  // Another icon size is another icon.
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"small icon", L"glyph.ico; width: 8; height: 8;"), 1);
  EXPECT_EQ(record->heldData.size(), 4u);
  // A changed file is loaded again.
  Write(L"bytes.dat", "other raw bytes, longer");
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"other state", L"data", L"bytes.dat"), 1);
  EXPECT_EQ(GetSkinPropertyDataSize(skin, L"c", L"other state", L"data"), 23);
  EXPECT_EQ(record->heldData.size(), 5u);

  const auto icon = static_cast<HICON>(GetSkinPropertyData(skin, L"c", L"s", L"icon"));
  const auto small = static_cast<HICON>(GetSkinPropertyData(skin, L"c", L"s", L"small icon"));
  const auto bitmap = GetSkinPropertyData(skin, L"c", L"s", L"picture");
  const auto block = reinterpret_cast<uintptr_t>(GetSkinPropertyData(skin, L"c", L"other state", L"data"));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(IsSkinDataObject(block));
  EXPECT_EQ(GetSkinPropertyDataSize(skin, L"c", L"s", L"picture"), 0);

  ASSERT_EQ(FreeSkin(skin), 1);
  EXPECT_FALSE(GetIconInfo(icon, &info));
  EXPECT_FALSE(GetIconInfo(small, &info));
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_FALSE(IsSkinDataObject(block));
}

}  // namespace
