// Page images: placed by their flags, tiled (a grid from one pre-tiled row
// blended once per row), stretched through GDI+ or drawn once.
#include <algorithm>
#include <limits>

#include "core/library/library_globals.h"
#include "core/platform/platform_bindings.h"
#include "panels/page/page_image_placement.h"
#include "panels/paint/page_paint_steps.h"

namespace kelvra {

namespace {

constexpr INT kPixelFormat32bppPARGB = 0x000E200B;
// Wider rows are tiled one image at a time (no window is this wide).
constexpr int64_t kMaxTiledRowWidth = 0x8000;

ImagePlacementFlags FlagsOf(int32_t flags) {
  ImagePlacementFlags f;
  f.xPercent = flags & kImageXPercent;
  f.yPercent = flags & kImageYPercent;
  f.fromRight = flags & kImageFromRight;
  f.fromBottom = flags & kImageFromBottom;
  f.centreX = flags & kImageCentreX;
  f.centreY = flags & kImageCentreY;
  f.tileX = flags & kImageTileX;
  f.tileY = flags & kImageTileY;
  f.stretch = flags & kImageStretch;
  return f;
}

bool FitsInt(int64_t value) {
  return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

// The size of the list's first image, as the list holds it.
bool CellSize(HIMAGELIST list, int& width, int& height) {
  IMAGEINFO info{};
  if (!ImageList_GetImageInfo(list, 0, &info)) return false;
  width = info.rcImage.right - info.rcImage.left;
  height = info.rcImage.bottom - info.rcImage.top;
  return width > 0 && height > 0;
}

void DrawListImage(HIMAGELIST list, HDC dc, int64_t x, int64_t y, int width, int height) {
  if (!FitsInt(x) || !FitsInt(y)) return;
  ImageList_DrawEx(list, 0, dc, static_cast<int>(x), static_cast<int>(y), width, height, CLR_NONE, CLR_NONE,
                   ILD_NORMAL);
}

// A grid of tiles blended from one row of them made ahead: one tile drawn on
// transparent black holds its premultiplied pixels, copies of it make the row,
// which blends onto the page exactly as the list's own drawing blends each tile.
// False when the list does not draw by blending, or the row cannot be made: the
// caller then draws tile by tile.
bool BlendTiledRows(HDC dc, const RECT& r, HIMAGELIST list, int stepX, int stepY, int width, int height) {
  const AlphaBlendFunction blend = AlphaBlendAddress();
  const int64_t areaWidth = r.right - r.left, areaHeight = r.bottom - r.top;
  const int64_t rowWidth = (areaWidth + stepX - 1) / stepX * stepX;
  if (!blend || areaHeight <= stepY || rowWidth > kMaxTiledRowWidth) return false;
  if (!DrawBlendedImageIntoProbe(list, width, height)) return false;
  MemoryCanvas& row = PaintScratch().tileRow;
  if (!row.Ensure(static_cast<int>(rowWidth), height)) return false;
  FillImagePixels(*row.image(), RECT{0, 0, static_cast<LONG>(rowWidth), height}, 0);
  for (int64_t x = 0; x < rowWidth; x += stepX) CopyProbeTo(*row.image(), x, 0, width, height);
  const BLENDFUNCTION over{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  for (int64_t y = 0; y < areaHeight; y += stepY)
    blend(dc, r.left, static_cast<int>(r.top + y), static_cast<int>(rowWidth), height, row.dc(), 0, 0,
          static_cast<int>(rowWidth), height, over);
  return true;
}

// The list's first image as it draws, premultiplied: drawn once on black and once
// on white, the difference is what it lets through. A masked or alpha-less image
// (which GDI+ would read as fully transparent) stretches as it draws. A border of
// copied edge pixels keeps the interpolation from fading the edges into nothing.
gdip::Bitmap* StretchSource(PagePaintCache& cache, const PageImageSet& set, int width, int height) {
  const HIMAGELIST list = set.imageList.get();
  if (cache.stretchBitmap && cache.stretchList == list && cache.stretchGeneration == set.imageGeneration &&
      cache.stretchWidth == width && cache.stretchHeight == height)
    return cache.stretchBitmap;
  if (cache.stretchBitmap) GdiPlus().GdipDisposeImage(cache.stretchBitmap);
  cache.stretchBitmap = nullptr;
  MemoryCanvas& probe = PaintScratch().probe;
  if (!probe.Ensure(width, height)) return nullptr;
  const int stride = width + 2;
  cache.stretchPixels.resize(static_cast<size_t>(stride) * (height + 2));
  const auto at = [&](int x, int y) -> uint32_t& { return cache.stretchPixels[(y + 1) * stride + x + 1]; };
  const RECT area{0, 0, width, height};
  FillImagePixels(*probe.image(), area, 0xFF000000u);
  ImageList_DrawEx(list, 0, probe.dc(), 0, 0, width, height, CLR_NONE, CLR_NONE, ILD_NORMAL);
  GdiFlush();
  for (int y = 0; y < height; ++y)
    std::copy_n(reinterpret_cast<const uint32_t*>(probe.image()->Row(y)), width, &at(0, y));
  FillImagePixels(*probe.image(), area, 0xFFFFFFFFu);
  ImageList_DrawEx(list, 0, probe.dc(), 0, 0, width, height, CLR_NONE, CLR_NONE, ILD_NORMAL);
  GdiFlush();
  for (int y = 0; y < height; ++y) {
    const auto* white = reinterpret_cast<const uint32_t*>(probe.image()->Row(y));
    for (int x = 0; x < width; ++x) {
      uint32_t& pixel = at(x, y);
      uint32_t through = 0;  // how much of the white shows through, per channel at most
      for (int shift = 0; shift < 24; shift += 8) {
        const int onBlack = (pixel >> shift) & 0xFF, onWhite = (white[x] >> shift) & 0xFF;
        through = std::max<uint32_t>(through, static_cast<uint32_t>(std::clamp(onWhite - onBlack, 0, 255)));
      }
      const uint32_t alpha = 255 - through;
      uint32_t value = alpha << 24;
      for (int shift = 0; shift < 24; shift += 8) value |= std::min((pixel >> shift) & 0xFF, alpha) << shift;
      pixel = value;
    }
  }
  for (int y = 0; y < height; ++y) {
    at(-1, y) = at(0, y);
    at(width, y) = at(width - 1, y);
  }
  for (int x = -1; x <= width; ++x) {
    at(x, -1) = at(x, 0);
    at(x, height) = at(x, height - 1);
  }
  gdip::Bitmap* bitmap = nullptr;
  if (GdiPlus().GdipCreateBitmapFromScan0(stride, height + 2, stride * 4, kPixelFormat32bppPARGB,
                                          reinterpret_cast<BYTE*>(cache.stretchPixels.data()), &bitmap) != 0)
    return nullptr;
  cache.stretchBitmap = bitmap;
  cache.stretchList = list;
  cache.stretchGeneration = set.imageGeneration;
  cache.stretchWidth = width;
  cache.stretchHeight = height;
  return bitmap;
}

}  // namespace

AlphaBlendFunction AlphaBlendAddress() { return reinterpret_cast<AlphaBlendFunction>(Globals().gdiAlphaBlend); }

bool ImageListDrawsByBlending(HIMAGELIST list, int width, int height) {
  MemoryCanvas& probe = PaintScratch().probe;
  if (!list || width <= 0 || height <= 0 || !probe.Ensure(width, height)) return false;
  const RECT area{0, 0, width, height};
  FillImagePixels(*probe.image(), area, 0xFF000000u);
  ImageList_DrawEx(list, 0, probe.dc(), 0, 0, width, height, CLR_NONE, CLR_NONE, ILD_NORMAL);
  GdiFlush();
  // Blending over opaque black keeps every pixel opaque; drawing through a mask or
  // copying an alpha-less image leaves alpha 0 where it drew.
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(probe.image()->Row(y));
    for (int x = 0; x < width; ++x)
      if ((row[x] >> 24) != 0xFF) return false;
  }
  return true;
}

bool DrawBlendedImageIntoProbe(HIMAGELIST list, int width, int height) {
  if (!ImageListDrawsByBlending(list, width, height)) return false;
  MemoryCanvas& probe = PaintScratch().probe;
  FillImagePixels(*probe.image(), RECT{0, 0, width, height}, 0);
  ImageList_DrawEx(list, 0, probe.dc(), 0, 0, width, height, CLR_NONE, CLR_NONE, ILD_NORMAL);
  GdiFlush();
  return true;
}

void CopyProbeTo(image::RuntimeImage& target, int64_t x, int64_t y, int width, int height) {
  const image::RuntimeImage& probe = *PaintScratch().probe.image();
  const int64_t from = std::max<int64_t>(0, -x), to = std::min<int64_t>(width, target.Width() - x);
  if (from >= to) return;
  for (int row = 0; row < height; ++row) {
    const int64_t targetY = y + row;
    if (targetY < 0 || targetY >= target.Height()) continue;
    std::copy_n(reinterpret_cast<const uint32_t*>(probe.Row(row)) + from, to - from,
                reinterpret_cast<uint32_t*>(target.Row(static_cast<int>(targetY))) + x + from);
  }
}

void DrawPageImage(HDC dc, const RECT& r, const PageImageSet& set, bool overlay, PagePaintCache* cache) {
  const HIMAGELIST list = set.imageList.get();
  int cellWidth = 0, cellHeight = 0;
  if (!list || !CellSize(list, cellWidth, cellHeight)) return;
  ImagePlacementRequest request;
  request.x = set.x;
  request.y = set.y;
  request.imageWidth = set.width;
  request.imageHeight = set.height;
  request.areaWidth = r.right - r.left;
  request.areaHeight = r.bottom - r.top;
  request.flags = FlagsOf(set.flags);
  request.overlay = overlay;
  const ImagePlacement placement = PlaceImage(request);
  // The list cannot give more than its cell: beyond it lie other cells (or memory
  // that is not the image's), and no call checks that for us.
  const int width = std::min(set.width, cellWidth), height = std::min(set.height, cellHeight);
  switch (placement.layout) {
    case ImageLayout::None:
      return;
    case ImageLayout::Single:
      DrawListImage(list, dc, r.left + placement.x, r.top + placement.y, width, height);
      return;
    case ImageLayout::Corner:
      DrawListImage(list, dc, r.left, r.top, std::min<int>(request.areaWidth, cellWidth),
                    std::min<int>(request.areaHeight, cellHeight));
      return;
    case ImageLayout::Stretch:
      // The list's first image, not its whole bitmap (which holds several cells).
      if (cache && StartGdiPlus())
        DrawStretchedBitmap(dc, r, StretchSource(*cache, set, cellWidth, cellHeight), 1, 1, cellWidth, cellHeight);
      return;
    case ImageLayout::Grid:
      if (BlendTiledRows(dc, r, list, set.width, set.height, width, height)) return;
      [[fallthrough]];
    default:
      ForEachImageTile(placement, request, [&](int64_t x, int64_t y) {
        DrawListImage(list, dc, r.left + x, r.top + y, width, height);
      });
      return;
  }
}

}  // namespace kelvra
