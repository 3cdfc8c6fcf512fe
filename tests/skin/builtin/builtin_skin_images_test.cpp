// The images the built-in skins carry: the twelve stored PNGs and the images drawn
// for each build (button glyphs, header glyphs, splitter grip and frames). Runs
// themed and, as a ctest variant, with uxtheme switched off.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/platform/uxtheme_api.h"
#include "panels/panels_seam.h"
#include "skin/builtin/builtin_skin_drawn_images.h"
#include "skin/builtin/builtin_skin_stored_images.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using test::BitmapPixels;
using test::ReadBitmapPixels;

constexpr uint32_t Opaque(int r, int g, int b) {
  return 0xFF000000u | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

uint32_t OpaqueSys(int index) {
  const COLORREF c = GetSysColor(index);
  return Opaque(GetRValue(c), GetGValue(c), GetBValue(c));
}

BitmapPixels PixelsOf(const std::unique_ptr<image::RuntimeImage>& image) {
  return image ? ReadBitmapPixels(image->Bitmap()) : BitmapPixels{};
}

// From the middle of each edge towards the centre: the edge pixel is the frame
// colour, everything after it up to the centre is fully transparent. That is what
// lets the border slicer cut a frame of a pixel or two.
void ExpectClosedFrame(const BitmapPixels& p, uint32_t frame, const std::string& what) {
  SCOPED_TRACE(what);
  const int w = p.width, h = p.height, cx = w / 2, cy = h / 2;
  EXPECT_EQ(frame, p.At(cx, 0));
  EXPECT_EQ(frame, p.At(cx, h - 1));
  EXPECT_EQ(frame, p.At(0, cy));
  EXPECT_EQ(frame, p.At(w - 1, cy));
  for (int y = 1; y <= cy; ++y) EXPECT_EQ(0u, p.Alpha(cx, y)) << "top probe at y " << y;
  for (int y = cy; y < h - 1; ++y) EXPECT_EQ(0u, p.Alpha(cx, y)) << "bottom probe at y " << y;
  for (int x = 1; x < w - 1; ++x) EXPECT_EQ(0u, p.Alpha(x, cy)) << "side probes at x " << x;
}

// Rows of the 9x11 arrow that hold opaque pixels, with their pixel counts.
std::string ArrowRowCounts(const BitmapPixels& p) {
  std::string counts;
  for (int y = 0; y < p.height; ++y) {
    int n = 0;
    for (int x = 0; x < p.width; ++x) n += p.Alpha(x, y) == 255;
    if (n) counts += std::to_string(n);
  }
  return counts;
}

struct StoredSet {
  StoredSkinImage panel, header, expand, collapse;
  uint32_t frame, arrow;
};

TEST(StoredSkinImages, TwelveClosedFramesAndArrowsInTheirSetColoursDecodedOnce) {
  DecodeStoredSkinImages();
  HBITMAP first = StoredSkinImageBitmap(StoredSkinImage::SetAPanelBorder);
  DecodeStoredSkinImages();
  EXPECT_EQ(1, StoredSkinImageDecodeCount());
  EXPECT_EQ(first, StoredSkinImageBitmap(StoredSkinImage::SetAPanelBorder));
  EXPECT_EQ(nullptr, StoredSkinImageBitmap(StoredSkinImage::Count));

  using S = StoredSkinImage;
  const StoredSet sets[] = {
      {S::SetAPanelBorder, S::SetAHeaderBorder, S::SetAExpandArrow, S::SetACollapseArrow, Opaque(101, 147, 207),
       Opaque(0x15, 0x42, 0x8b)},
      {S::SetBPanelBorder, S::SetBHeaderBorder, S::SetBExpandArrow, S::SetBCollapseArrow, Opaque(155, 159, 166),
       Opaque(76, 83, 92)},
      {S::SetCPanelBorder, S::SetCHeaderBorder, S::SetCExpandArrow, S::SetCCollapseArrow, Opaque(83, 83, 83),
       Opaque(0, 0, 0)},
  };
  for (const auto& set : sets) {
    SCOPED_TRACE(static_cast<int>(set.panel) / 4);
    const auto panel = ReadBitmapPixels(StoredSkinImageBitmap(set.panel));
    ASSERT_EQ(100, panel.width);
    ASSERT_EQ(100, panel.height);
    ExpectClosedFrame(panel, set.frame, "panel border");
    EXPECT_EQ(0u, panel.Alpha(0, 0)) << "rounded corners";
    EXPECT_EQ(0u, panel.Alpha(99, 99));

    const auto header = ReadBitmapPixels(StoredSkinImageBitmap(set.header));
    ASSERT_EQ(166, header.width);
    ASSERT_EQ(20, header.height);
    ExpectClosedFrame(header, set.frame, "header border");
    EXPECT_EQ(0u, header.Alpha(0, 0)) << "rounded top corners";
    EXPECT_EQ(set.frame, header.At(0, 19)) << "square bottom corners";

    const auto expand = ReadBitmapPixels(StoredSkinImageBitmap(set.expand));
    const auto collapse = ReadBitmapPixels(StoredSkinImageBitmap(set.collapse));
    ASSERT_EQ(9, expand.width);
    ASSERT_EQ(11, expand.height);
    ASSERT_EQ(9, collapse.width);
    ASSERT_EQ(11, collapse.height);
    // Two chevrons: wide rows first when pointing down, the tip first when up.
    EXPECT_EQ("44314431", ArrowRowCounts(expand));
    EXPECT_EQ("13441344", ArrowRowCounts(collapse));
    EXPECT_EQ(set.arrow, expand.At(1, 1));
    EXPECT_EQ(set.arrow, collapse.At(4, 1));
    EXPECT_EQ(0u, expand.Alpha(0, 0));
  }
}

// The border slicer finds a frame of one or two pixels on every side (the top of
// the office splitter frame is one deeper: its white line belongs to the frame).
void ExpectThinSlices(const image::RuntimeImage& image, const std::string& what, int topDepth = 2) {
  SCOPED_TRACE(what);
  const SliceRect slice = FindBorderImageMargins(image);
  EXPECT_GE(slice.top, 1);
  EXPECT_LE(slice.top, topDepth);
  for (int edge : {slice.left, image.Width() - 1 - slice.right, image.Height() - 1 - slice.bottom}) {
    EXPECT_GE(edge, 1);
    EXPECT_LE(edge, 2);
  }
}

TEST(BorderImagesOfTheBuiltInSkins, SliceOneOrTwoPixelsDeep) {
  for (auto stored : {StoredSkinImage::SetAPanelBorder, StoredSkinImage::SetAHeaderBorder,
                      StoredSkinImage::SetBPanelBorder, StoredSkinImage::SetBHeaderBorder,
                      StoredSkinImage::SetCPanelBorder, StoredSkinImage::SetCHeaderBorder}) {
    const auto file = StoredSkinPng(stored);
    const auto image = image::DecodeMemory(file.data(), file.size());
    ASSERT_TRUE(image);
    ExpectThinSlices(*image, "stored image " + std::to_string(static_cast<int>(stored)));
  }
  const auto office = DrawBuiltInImage(BuiltInImage::Office2007GripFrame);
  const auto plain = DrawBuiltInImage(BuiltInImage::Splitter2Frame);
  ASSERT_TRUE(office && plain);
  ExpectThinSlices(*office, "office splitter frame", 3);
  ExpectThinSlices(*plain, "splitter2 frame");
}

bool ButtonThemeInUse() {
  const auto& ux = UxTheme();
  return ux.visualStyles && ux.themes.button && ux.DrawThemeBackground;
}

TEST(DrawnSkinImages, EveryButtonGlyphHasOpaqueDrawingAndTransparentCorners) {
  for (int i = static_cast<int>(BuiltInImage::RadioNormal); i <= static_cast<int>(BuiltInImage::CheckInbetweenPressed);
       ++i) {
    SCOPED_TRACE(i);
    const auto p = PixelsOf(DrawBuiltInImage(static_cast<BuiltInImage>(i)));
    ASSERT_EQ(16, p.width);
    ASSERT_EQ(16, p.height);
    // The themed disabled radio is a translucent ring (its own alpha peaks near
    // 250), so "drawn" means mostly covered; DrawFrameControl draws no soft edges,
    // so without a theme every pixel is either drawn or not.
    int covered = 0;
    for (uint32_t pixel : p.pixels) {
      const uint32_t alpha = pixel >> 24;
      covered += alpha >= 0xC0;
      if (!ButtonThemeInUse()) {
        EXPECT_TRUE(alpha == 0 || alpha == 255) << std::hex << pixel;
      }
    }
    EXPECT_GE(covered, 16) << (ButtonThemeInUse() ? "themed" : "DrawFrameControl");
    EXPECT_EQ(0u, p.Alpha(0, 0));
    EXPECT_EQ(0u, p.Alpha(15, 0));
    EXPECT_EQ(0u, p.Alpha(0, 15));
    EXPECT_EQ(0u, p.Alpha(15, 15));
  }
}

TEST(DrawnSkinImages, ClassicSelectedPressedCheckIsDrawnCheckedAndPushed) {
  if (ButtonThemeInUse()) GTEST_SKIP() << "the themed glyphs are checked by the variant without uxtheme";
  const auto drawn = PixelsOf(DrawBuiltInImage(BuiltInImage::CheckSelectedPressed));
  auto frame = [](UINT state) {
    return PixelsOf(DrawWithTrueAlpha(16, 16, [state](HDC dc, const RECT&) {
      RECT box{2, 2, 15, 15};  // the system's 13-pixel box
      return DrawFrameControl(dc, &box, DFC_BUTTON, state) != FALSE;
    }));
  };
  EXPECT_EQ(frame(DFCS_CHECKED | DFCS_PUSHED).pixels, drawn.pixels);
  EXPECT_NE(frame(DFCS_CHECKED).pixels, drawn.pixels) << "pushed must show";
}

TEST(DrawnSkinImages, HeaderGlyphsStandInAsChevronsInTheSystemColours) {
  if (UxTheme().themes.explorerbar) GTEST_SKIP() << "the explorer-bar theme draws its own glyphs";
  struct Case {
    BuiltInImage image;
    int colour;
    bool pointsDown;
  } cases[] = {
      {BuiltInImage::HeaderNormal, COLOR_WINDOWTEXT, false},   {BuiltInImage::HeaderHot, COLOR_HOTLIGHT, false},
      {BuiltInImage::HeaderPressed, COLOR_HOTLIGHT, false},    {BuiltInImage::HeaderDisabled, COLOR_GRAYTEXT, false},
      {BuiltInImage::HeaderSelected, COLOR_WINDOWTEXT, true},  {BuiltInImage::HeaderSelectedHot, COLOR_HOTLIGHT, true},
      {BuiltInImage::HeaderSelectedPressed, COLOR_HOTLIGHT, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.image));
    const auto p = PixelsOf(DrawBuiltInImage(c.image));
    ASSERT_EQ(19, p.width);
    ASSERT_EQ(19, p.height);
    EXPECT_EQ(c.pointsDown ? "44314431" : "13441344", ArrowRowCounts(p));
    for (uint32_t pixel : p.pixels) {
      if (pixel) {
        EXPECT_EQ(OpaqueSys(c.colour), pixel);
      }
    }
    EXPECT_EQ(0u, p.Alpha(0, 0));
  }
}

TEST(DrawnSkinImages, SplitterGripAndFrames) {
  const uint32_t blue = Opaque(101, 147, 207), white = Opaque(255, 255, 255);
  const auto grip = PixelsOf(DrawBuiltInImage(BuiltInImage::Office2007Grip));
  ASSERT_EQ(19, grip.width);
  ASSERT_EQ(3, grip.height);
  for (int dot = 0; dot < 5; ++dot) {
    const int x = dot * 4;
    SCOPED_TRACE(dot);
    EXPECT_EQ(blue, grip.At(x, 0));
    EXPECT_EQ(blue, grip.At(x + 1, 1));
    EXPECT_EQ(white, grip.At(x + 2, 2)) << "the white dot one pixel down and right";
    EXPECT_EQ(white, grip.At(x + 2, 1));
    EXPECT_EQ(0u, grip.Alpha(x, 2));
    if (dot < 4) {
      EXPECT_EQ(0u, grip.Alpha(x + 3, 0));
    }
  }

  const auto office = PixelsOf(DrawBuiltInImage(BuiltInImage::Office2007GripFrame));
  ASSERT_EQ(100, office.width);
  ASSERT_EQ(100, office.height);
  EXPECT_EQ(blue, office.At(50, 0));
  EXPECT_EQ(white, office.At(50, 1)) << "white on the row inside the top edge";
  EXPECT_EQ(blue, office.At(0, 1));
  EXPECT_EQ(blue, office.At(0, 50));
  EXPECT_EQ(blue, office.At(50, 99));
  EXPECT_EQ(0u, office.Alpha(50, 50));
  EXPECT_EQ(0u, office.Alpha(1, 50));

  const auto plain = PixelsOf(DrawBuiltInImage(BuiltInImage::Splitter2Frame));
  ASSERT_EQ(100, plain.width);
  ExpectClosedFrame(plain, OpaqueSys(COLOR_3DSHADOW), "splitter2 frame");
}

TEST(DrawnSkinImages, StoredImagesAreNotDrawn) {
  EXPECT_EQ(nullptr, DrawBuiltInImage(BuiltInImage::SetAPanelBorder));
  EXPECT_EQ(nullptr, DrawBuiltInImage(BuiltInImage::Count));
}

}  // namespace
}  // namespace kelvra
