// The stored glyphs decode at start: a 1 by 1 fully transparent icon, and two
// 7 by 7 image lists of one glyph each that draw opaque ink over a clear ground.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "core/image/builtin_glyphs.h"
#include "core/library/library_globals.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

TEST(BuiltInGlyphs, EmptyIconIsOneTransparentPixel) {
  HICON icon = Globals().emptyIcon;
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP colour{};
  ASSERT_TRUE(info.hbmColor);
  GetObjectW(info.hbmColor, sizeof(colour), &colour);
  EXPECT_EQ(1, colour.bmWidth);
  EXPECT_EQ(1, colour.bmHeight);
  EXPECT_EQ(32, colour.bmBitsPixel);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  test::Dib32 dib(4, 4, 0xFF336699);
  DrawIconEx(dib.dc(), 1, 1, icon, 1, 1, 0, nullptr, DI_NORMAL);
  GdiFlush();
  EXPECT_EQ(0x336699u, dib.Pixel(1, 1) & 0xFFFFFF) << "drawing it changes nothing";
}

// Draws image 0 of the list on a white ground and returns the ink as a pattern.
std::string DrawnPattern(HIMAGELIST list) {
  test::Dib32 dib(7, 7, 0xFFFFFFFF);
  ImageList_Draw(list, 0, dib.dc(), 0, 0, ILD_TRANSPARENT);
  GdiFlush();
  std::string pattern;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const uint32_t p = dib.Pixel(x, y) & 0xFFFFFF;
      pattern += p == 0xFFFFFF ? '.' : p == 0 ? '#' : '?';
    }
  return pattern;
}

TEST(BuiltInGlyphs, GlyphListsHoldOneSevenBySevenGlyphEach) {
  struct Case { HIMAGELIST list; const char* pattern; };
  const Case cases[] = {
      {Globals().glyphList1,
       "......#"
       ".....##"
       "#...###"
       "##.###."
       "#####.."
       ".###..."
       "..#...."},
      {Globals().glyphList2,
       "......."
       "..###.."
       ".#####."
       ".#####."
       ".#####."
       "..###.."
       "......."},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.list);
    EXPECT_EQ(1, ImageList_GetImageCount(c.list));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(c.list, &cx, &cy);
    EXPECT_EQ(7, cx);
    EXPECT_EQ(7, cy);
    EXPECT_EQ(c.pattern, DrawnPattern(c.list));
  }
}

TEST(BuiltInGlyphs, StoredFilesAreOneImageIcons) {
  for (auto file : {EmptyIconFile(), CheckMarkGlyphFile(), RadioBulletGlyphFile()}) {
    ASSERT_GE(file.size(), 22u);
    EXPECT_EQ(0, file[0] | file[1]);
    EXPECT_EQ(1, file[2] | file[3] << 8);  // an icon, not a cursor
    EXPECT_EQ(1, file[4] | file[5] << 8);  // one image
    const uint32_t size = file[14] | file[15] << 8 | file[16] << 16 | file[17] << 24;
    const uint32_t offset = file[18] | file[19] << 8 | file[20] << 16 | file[21] << 24;
    EXPECT_EQ(file.size(), offset + size);
  }
  EXPECT_EQ(32, EmptyIconFile()[12]);
  EXPECT_EQ(24, CheckMarkGlyphFile()[12]);
  EXPECT_EQ(24, RadioBulletGlyphFile()[12]);
}

}  // namespace
}  // namespace kelvra
