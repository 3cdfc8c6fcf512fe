// Drawing of the built-in skins' per-build images.
#include "skin/builtin/builtin_skin_drawn_images.h"

#include <cstring>
#include <iterator>

#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"
#include "skin/builtin/two_background_alpha.h"

namespace kelvra {

namespace {

using image::RuntimeImage;

// How the system draws one button glyph: theme part and state with a visual style,
// DrawFrameControl state without.
struct ButtonGlyph {
  int part;
  int themeState;
  UINT frameState;
};

constexpr int kRadioPart = 2;
constexpr int kCheckPart = 3;

// In the order of the radio glyphs of BuiltInImage.
constexpr ButtonGlyph kRadioGlyphs[] = {
    {kRadioPart, 0, DFCS_BUTTONRADIO},
    {kRadioPart, 2, DFCS_BUTTONRADIO},
    {kRadioPart, 3, DFCS_BUTTONRADIO | DFCS_PUSHED},
    {kRadioPart, 4, DFCS_BUTTONRADIO | DFCS_INACTIVE},
    {kRadioPart, 5, DFCS_BUTTONRADIO | DFCS_CHECKED},
    {kRadioPart, 6, DFCS_BUTTONRADIO | DFCS_CHECKED},
    {kRadioPart, 7, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_PUSHED},
};

// In the order of the check glyphs of BuiltInImage. DFCS_BUTTONCHECK is 0, so the
// states without it draw a check box all the same.
constexpr ButtonGlyph kCheckGlyphs[] = {
    {kCheckPart, 0, DFCS_BUTTONCHECK},
    {kCheckPart, 2, DFCS_BUTTONCHECK},
    {kCheckPart, 3, DFCS_PUSHED},
    {kCheckPart, 4, DFCS_INACTIVE},
    {kCheckPart, 5, DFCS_CHECKED},
    {kCheckPart, 6, DFCS_CHECKED},
    {kCheckPart, 7, DFCS_CHECKED | DFCS_PUSHED},
    {kCheckPart, 9, DFCS_BUTTON3STATE | DFCS_CHECKED},
    {kCheckPart, 10, DFCS_BUTTON3STATE | DFCS_CHECKED},
    {kCheckPart, 11, DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_PUSHED},
};

constexpr int kGlyphSide = 16;
constexpr int kHeaderGlyphSide = 19;

// The explorer-bar theme's group-header glyphs: part 6 collapses, part 7 expands.
struct HeaderGlyph {
  int part;
  int themeState;
  int sysColour;  // the colour of our own stand-in glyph
  bool pointsDown;
};

// In the order of the header glyphs of BuiltInImage.
constexpr HeaderGlyph kHeaderGlyphs[] = {
    {6, 1, COLOR_WINDOWTEXT, false}, {6, 2, COLOR_HOTLIGHT, false}, {6, 3, COLOR_HOTLIGHT, false},
    {6, 0, COLOR_GRAYTEXT, false},   {7, 1, COLOR_WINDOWTEXT, true}, {7, 2, COLOR_HOTLIGHT, true},
    {7, 3, COLOR_HOTLIGHT, true},
};

static_assert(static_cast<int>(BuiltInImage::RadioSelectedPressed) - static_cast<int>(BuiltInImage::RadioNormal) + 1 ==
              std::size(kRadioGlyphs));
static_assert(static_cast<int>(BuiltInImage::CheckInbetweenPressed) - static_cast<int>(BuiltInImage::CheckNormal) + 1 ==
              std::size(kCheckGlyphs));
static_assert(static_cast<int>(BuiltInImage::HeaderSelectedPressed) - static_cast<int>(BuiltInImage::HeaderNormal) + 1 ==
              std::size(kHeaderGlyphs));

template <class Entry, std::size_t N>
const Entry* EntryOf(const Entry (&table)[N], BuiltInImage image, BuiltInImage first) {
  const int index = static_cast<int>(image) - static_cast<int>(first);
  return index >= 0 && index < static_cast<int>(N) ? &table[index] : nullptr;
}

uint32_t OpaqueSysColour(int index) {
  const COLORREF rgb = GetSysColor(index);
  return 0xFF000000u | static_cast<uint32_t>(GetRValue(rgb)) << 16 | static_cast<uint32_t>(GetGValue(rgb)) << 8 |
         GetBValue(rgb);
}

// DrawFrameControl fills whatever square it is given, where the system's own check
// box and radio button are 13 pixels square: draw them that size, placed where the
// themed glyphs sit, so both looks line up and the corners stay clear.
constexpr int kClassicGlyphSide = 13;
RECT ClassicGlyphBox(const RECT& rect) {
  const int offset = (kGlyphSide - kClassicGlyphSide + 1) / 2;
  return RECT{rect.left + offset, rect.top + offset, rect.left + offset + kClassicGlyphSide,
              rect.top + offset + kClassicGlyphSide};
}

std::unique_ptr<RuntimeImage> DrawButtonGlyph(const ButtonGlyph& glyph) {
  const auto& ux = UxTheme();
  const bool themed = ux.visualStyles && ux.themes.button && ux.DrawThemeBackground;
  return DrawWithTrueAlpha(kGlyphSide, kGlyphSide, [&](HDC dc, const RECT& rect) {
    if (themed) return SUCCEEDED(ux.DrawThemeBackground(ux.themes.button, dc, glyph.part, glyph.themeState, &rect, nullptr));
    RECT box = ClassicGlyphBox(rect);
    return DrawFrameControl(dc, &box, DFC_BUTTON, glyph.frameState) != FALSE;
  });
}

// Our own double chevron (two 9x4 chevrons a row apart), for when no explorer-bar
// theme is open; the same shape as the stored header arrows.
constexpr const char* kChevronDown[] = {
    ".##...##.",
    "..##.##..",
    "...###...",
    "....#....",
};

std::unique_ptr<RuntimeImage> DrawOwnHeaderGlyph(const HeaderGlyph& glyph) {
  auto image = RuntimeImage::Create(kHeaderGlyphSide, kHeaderGlyphSide);
  if (!image) return nullptr;
  const uint32_t colour = OpaqueSysColour(glyph.sysColour);
  constexpr int kRows = 4, kWidth = 9, kGap = 1;
  const int left = (kHeaderGlyphSide - kWidth) / 2;
  const int top = (kHeaderGlyphSide - (2 * kRows + kGap)) / 2;
  for (int chevron = 0; chevron < 2; ++chevron) {
    for (int row = 0; row < kRows; ++row) {
      const char* pattern = kChevronDown[glyph.pointsDown ? row : kRows - 1 - row];
      for (int x = 0; x < kWidth; ++x)
        if (pattern[x] == '#') image->SetPixel(left + x, top + chevron * (kRows + kGap) + row, colour);
    }
  }
  return image;
}

std::unique_ptr<RuntimeImage> DrawHeaderGlyph(const HeaderGlyph& glyph) {
  const auto& ux = UxTheme();
  if (!(ux.visualStyles && ux.themes.explorerbar && ux.DrawThemeBackground)) return DrawOwnHeaderGlyph(glyph);
  return DrawWithTrueAlpha(kHeaderGlyphSide, kHeaderGlyphSide, [&](HDC dc, const RECT& rect) {
    return SUCCEEDED(ux.DrawThemeBackground(ux.themes.explorerbar, dc, glyph.part, glyph.themeState, &rect, nullptr));
  });
}

// A one-pixel frame round a transparent inside.
std::unique_ptr<RuntimeImage> DrawFrame(int side, uint32_t colour) {
  auto image = RuntimeImage::Create(side, side);
  if (!image) return nullptr;
  for (int i = 0; i < side; ++i) {
    image->SetPixel(i, 0, colour);
    image->SetPixel(i, side - 1, colour);
    image->SetPixel(0, i, colour);
    image->SetPixel(side - 1, i, colour);
  }
  return image;
}

constexpr uint32_t kOffice2007Blue = 0xFF6593CF;  // rgb(101,147,207)
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr int kSplitterFrameSide = 100;

std::unique_ptr<RuntimeImage> DrawOffice2007GripFrame() {
  auto image = DrawFrame(kSplitterFrameSide, kOffice2007Blue);
  if (!image) return nullptr;
  for (int x = 1; x < kSplitterFrameSide - 1; ++x) image->SetPixel(x, 1, kOpaqueWhite);
  return image;
}

// Five 2x2 dots, each over a white dot one pixel down and to the right.
std::unique_ptr<RuntimeImage> DrawOffice2007Grip() {
  constexpr int kWidth = 19, kHeight = 3, kDots = 5, kPitch = 4;
  auto image = RuntimeImage::Create(kWidth, kHeight);
  if (!image) return nullptr;
  for (int dot = 0; dot < kDots; ++dot) {
    const int x = dot * kPitch;
    for (int dy = 0; dy < 2; ++dy)
      for (int dx = 0; dx < 2; ++dx) image->SetPixel(x + 1 + dx, 1 + dy, kOpaqueWhite);
    for (int dy = 0; dy < 2; ++dy)
      for (int dx = 0; dx < 2; ++dx) image->SetPixel(x + dx, dy, kOffice2007Blue);
  }
  return image;
}

}  // namespace

std::unique_ptr<RuntimeImage> DrawWithTrueAlpha(int width, int height, const DrawCall& draw) {
  auto onBlack = RuntimeImage::Create(width, height);
  auto onWhite = RuntimeImage::Create(width, height);
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!onBlack || !onWhite || !dc) return nullptr;
  std::memset(onWhite->Bits(), 0xFF, static_cast<size_t>(onWhite->Stride()) * height);
  const RECT rect{0, 0, width, height};
  for (auto* target : {onBlack.get(), onWhite.get()}) {
    SelectGuard select(dc.get(), target->Bitmap());
    if (!draw(dc.get(), rect)) return nullptr;
    GdiFlush();
  }
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      onBlack->SetPixel(x, y, PixelFromTwoBackgrounds(onBlack->Pixel(x, y), onWhite->Pixel(x, y)));
  return onBlack;
}

std::unique_ptr<RuntimeImage> DrawBuiltInImage(BuiltInImage image) {
  if (auto* glyph = EntryOf(kRadioGlyphs, image, BuiltInImage::RadioNormal)) return DrawButtonGlyph(*glyph);
  if (auto* glyph = EntryOf(kCheckGlyphs, image, BuiltInImage::CheckNormal)) return DrawButtonGlyph(*glyph);
  if (auto* glyph = EntryOf(kHeaderGlyphs, image, BuiltInImage::HeaderNormal)) return DrawHeaderGlyph(*glyph);
  switch (image) {
    case BuiltInImage::Office2007Grip: return DrawOffice2007Grip();
    case BuiltInImage::Office2007GripFrame: return DrawOffice2007GripFrame();
    case BuiltInImage::Splitter2Frame: return DrawFrame(kSplitterFrameSide, OpaqueSysColour(COLOR_3DSHADOW));
    default: return nullptr;
  }
}

}  // namespace kelvra
