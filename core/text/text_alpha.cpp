// AlphaDrawText and BackupPageAlpha: find the back buffer under PanelLock, then,
// still under it, redraw the text white on black into the thread's cached scratch
// image and fold its coverage into the back buffer's alpha.
#include "core/text/text_alpha.h"

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

#include "core/text/formatted_text.h"
#include "core/library/reentrant_lock.h"
#include "core/library/thread_slot.h"
#include "core/image/memory_canvas.h"
#include "core/image/runtime_image.h"
#include "core/text/text_alpha_filter.h"
#include "core/platform/win_handles.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

// What one thread repairs with: its scratch canvas (kept between paints; made
// again only when a larger text comes along), the DC's clip region read out
// (region, bytes and rectangles kept, so a paint allocates nothing for it) and
// BackupPageAlpha's stamp. Per thread, so two threads painting text never share
// pixels; freed when the thread ends.
struct ThreadAlphaImages {
  MemoryCanvas scratch;
  UniqueRegion clip;
  std::vector<unsigned char> clipData;
  std::vector<FilterRect> clipRects;
  std::unique_ptr<image::RuntimeImage> stamp;
};

ThreadAlphaImages& ThisThreadsAlphaImages() {
  static ThreadSlot<ThreadAlphaImages> images;
  return images.Get();
}

MemoryCanvas& TextScratch() { return ThisThreadsAlphaImages().scratch; }
std::unique_ptr<image::RuntimeImage>& AlphaStamp() { return ThisThreadsAlphaImages().stamp; }

// The clip region of the DC as rectangles in device (back-buffer) coordinates, or
// the box itself when the DC has none; held in the thread's scratch until the
// next call.
std::span<const FilterRect> FilterRegion(HDC dc, const RECT& box) {
  ThreadAlphaImages& scratch = ThisThreadsAlphaImages();
  std::vector<FilterRect>& rects = scratch.clipRects;
  rects.clear();
  if (!scratch.clip) scratch.clip.reset(CreateRectRgn(0, 0, 0, 0));
  if (scratch.clip && GetClipRgn(dc, scratch.clip.get()) == 1) {
    const DWORD size = GetRegionData(scratch.clip.get(), 0, nullptr);
    std::vector<unsigned char>& buffer = scratch.clipData;
    if (buffer.size() < size) buffer.resize(size);
    if (size && GetRegionData(scratch.clip.get(), size, reinterpret_cast<RGNDATA*>(buffer.data()))) {
      const auto* data = reinterpret_cast<const RGNDATA*>(buffer.data());
      const auto* r = reinterpret_cast<const RECT*>(data->Buffer);
      for (DWORD i = 0; i < data->rdh.nCount; ++i) rects.push_back({r[i].left, r[i].top, r[i].right, r[i].bottom});
    }
    return rects;
  }
  rects.push_back({box.left, box.top, box.right, box.bottom});
  return rects;
}

// The back buffer `dc` draws on, found and (by the caller) written while `panelLock`
// is held: back buffers are written only under PanelLock.
image::RuntimeImage* FindBackBuffer(HDC dc, LockGuard& panelLock) {
  HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  if (!bitmap || !panelLock) return nullptr;
  return FindPanelBackBufferImage(bitmap);
}

}  // namespace

void RepairTextAlpha(HDC dc, std::wstring_view text, const RECT& rect, HFONT font, uint32_t flags,
                     image::RuntimeImage& backBuffer) {
  // A caller's rectangle may span the whole 32-bit range: measured in 64 bits, and
  // only a rectangle the scratch image can hold, meeting the back buffer, is repaired.
  const int64_t width64 = int64_t{rect.right} - rect.left, height64 = int64_t{rect.bottom} - rect.top;
  if (width64 <= 0 || height64 <= 0 || !image::SizeAllowed(width64 + 2, height64) ||
      backBuffer.BitsPerPixel() != 32)
    return;
  // Two extra columns on the left catch the overhang of italic and kerned glyphs.
  POINT origin{};
  GetWindowOrgEx(dc, &origin);
  const int64_t boxLeft = int64_t{rect.left} - origin.x - 2, boxTop = int64_t{rect.top} - origin.y;
  if (boxLeft >= backBuffer.Width() || boxTop >= backBuffer.Height() || boxLeft + width64 + 2 <= 0 ||
      boxTop + height64 <= 0)
    return;
  // Within the back buffer's reach now, so every edge fits in 32 bits.
  const int width = static_cast<int>(width64), height = static_cast<int>(height64);
  const RECT box{static_cast<LONG>(boxLeft), static_cast<LONG>(boxTop), static_cast<LONG>(boxLeft + width64 + 2),
                 static_cast<LONG>(boxTop + height64)};
  const int boxWidth = width + 2;

  MemoryCanvas& scratch = TextScratch();
  if (!scratch.Ensure(boxWidth, height)) return;
  FillImagePixels(*scratch.image(), RECT{0, 0, boxWidth, height}, kOpaqueBlack);
  HFONT textFont = font ? font : static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  SetTextColor(scratch.dc(), RGB(255, 255, 255));
  RECT inner{2, 0, boxWidth, height};
  // Only the coverage matters here: no colours, and nothing that would report
  // links or text in the scratch image's coordinates.
  const uint32_t scratchFlags = (flags | FormattedTextFlags::NoColours) &
                                ~(FormattedTextFlags::CollectLinks | FormattedTextFlags::CollectText |
                                  FormattedTextFlags::MeasureOnly);
  DrawFormattedText(scratch.dc(), text, &inner, textFont, scratchFlags);
  GdiFlush();

  MaskAlphaFilter filter(box.right, box.bottom, FilterRegion(dc, box));
  // Only the box's part of the (possibly larger) scratch image is drawn.
  const image::RuntimeImage& source = *scratch.image();
  for (int sy = 0; sy < height; ++sy) {
    const int ty = box.top + sy;
    if (ty < 0 || ty >= backBuffer.Height()) continue;
    for (int sx = 0; sx < boxWidth; ++sx) {
      const int tx = box.left + sx;
      if (tx < 0 || tx >= backBuffer.Width()) continue;
      backBuffer.SetPixel(tx, ty, filter(tx, ty, source.Pixel(sx, sy), backBuffer.Pixel(tx, ty)));
    }
  }
}

void BackupImageAlpha(const RECT& rect, image::RuntimeImage& backBuffer) {
  auto& stamp = AlphaStamp();
  if (!stamp) {
    const int64_t width = int64_t{rect.right} - rect.left, height = int64_t{rect.bottom} - rect.top;
    if (!image::SizeAllowed(width, height)) return;
    stamp = image::RuntimeImage::Create(static_cast<int>(width), static_cast<int>(height), 32);
    if (stamp) FillImagePixels(*stamp, RECT{0, 0, stamp->Width(), stamp->Height()}, kOpaqueBlack);
    return;
  }
  GdiFlush();
  image::DrawAlphaChannel(*stamp, backBuffer, rect.left, rect.top);
  stamp.reset();
}

void AlphaDrawText(HDC dc, std::wstring_view text, const RECT* rect, HFONT font, uint32_t flags) {
  if (!dc || !rect) return;
  LockGuard panelLock(Locks().panel);
  image::RuntimeImage* backBuffer = FindBackBuffer(dc, panelLock);
  if (!backBuffer) return;
  RepairTextAlpha(dc, text, *rect, font, flags, *backBuffer);
}

void BackupPageAlpha(HDC dc, const RECT* rect) {
  if (!dc || !rect) return;
  LockGuard panelLock(Locks().panel);
  image::RuntimeImage* backBuffer = FindBackBuffer(dc, panelLock);
  if (!backBuffer) return;
  BackupImageAlpha(*rect, *backBuffer);
}

}  // namespace kelvra
