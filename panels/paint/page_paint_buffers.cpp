// Panel buffers and their index by bitmap.
#include "panels/paint/page_paint_buffers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <unordered_map>

#include "core/image/memory_canvas.h"
#include "panels/panel/panel_registry.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

struct BufferEntry {
  HWND panel = nullptr;
  PanelBufferKind kind = PanelBufferKind::Back;
  uint32_t serial = 0;
};

// Text drawn on any DC asks whether its bitmap is a panel buffer: a map by bitmap,
// not a walk over every panel. Entries of buffers freed elsewhere (a panel freed
// with its buffers) stay until a look-up finds them stale, or a sweep when the
// map has grown well past the panels there are.
std::unordered_map<HBITMAP, BufferEntry>& Buffers() {
  static std::unordered_map<HBITMAP, BufferEntry> buffers;
  return buffers;
}

void SweepStaleEntries();

uint32_t NextSerial() {
  static uint32_t serial = 0;
  return ++serial;
}

PanelBuffer& BufferOf(PanelExRecord& panel, PanelBufferKind kind) {
  return kind == PanelBufferKind::Back ? panel.backBuffer : panel.alphaBuffer;
}

// The side a buffer is made with: ten percent to spare, so that a page growing by
// a few pixels at a time does not make a new buffer each time.
int GrownSide(int old, int needed) {
  if (old >= needed) return old;
  const int64_t spare = std::llround(needed * 1.1);
  return static_cast<int>(std::min<int64_t>(spare, INT32_MAX));
}

// The buffer whose bitmap is `bitmap`, when the entry still describes it.
image::RuntimeImage* Resolve(HBITMAP bitmap, const BufferEntry& entry) {
  // Panels being freed keep their buffers until the record goes: text drawn
  // meanwhile still finds them.
  PanelExRecord* panel = PanelExList().FindByWindow(entry.panel);
  if (!panel) return nullptr;
  PanelBuffer& buffer = BufferOf(*panel, entry.kind);
  return buffer.image && buffer.image->Bitmap() == bitmap ? buffer.image.get() : nullptr;
}

void SweepStaleEntries() {
  auto& buffers = Buffers();
  if (buffers.size() <= 2 * PanelExList().Size() + 16) return;
  for (auto it = buffers.begin(); it != buffers.end();)
    it = Resolve(it->first, it->second) ? std::next(it) : buffers.erase(it);
}

}  // namespace

bool EnsurePanelBuffer(PanelExRecord& panel, PanelBufferKind kind, int width, int height, HDC compatible) {
  PanelBuffer& buffer = BufferOf(panel, kind);
  if (buffer.image && buffer.dc && buffer.width >= width && buffer.height >= height) return true;
  const int oldWidth = buffer.image ? buffer.width : 0, oldHeight = buffer.image ? buffer.height : 0;
  int newWidth = GrownSide(oldWidth, width);
  int newHeight = GrownSide(oldHeight, height);
  ReleasePanelBuffer(panel, kind);
  auto image = image::RuntimeImage::Create(newWidth, newHeight, 32);
  // Too large with the spare: the exact size may still be allowed.
  if (!image && (newWidth > width || newHeight > height)) {
    newWidth = std::max(width, oldWidth);
    newHeight = std::max(height, oldHeight);
    image = image::RuntimeImage::Create(newWidth, newHeight, 32);
  }
  if (!image) return false;
  UniqueDc dc(CreateCompatibleDC(compatible));
  if (!dc) dc.reset(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  if (kind == PanelBufferKind::Back) FillImagePixels(*image, RECT{0, 0, newWidth, newHeight}, 0xFF000000u);
  buffer.previousBitmap = SelectObject(dc.get(), image->Bitmap());
  buffer.dc = std::move(dc);
  buffer.width = newWidth;
  buffer.height = newHeight;
  Buffers()[image->Bitmap()] = BufferEntry{panel.Window(), kind, NextSerial()};
  buffer.image = std::move(image);
  SweepStaleEntries();
  return true;
}

void ReleasePanelBuffer(PanelExRecord& panel, PanelBufferKind kind) {
  PanelBuffer& buffer = BufferOf(panel, kind);
  if (buffer.image) Buffers().erase(buffer.image->Bitmap());
  buffer.Release();
}

PanelBufferToken PanelBufferTokenOf(HDC dc) {
  const auto bitmap = dc ? static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)) : nullptr;
  auto& buffers = Buffers();
  auto it = bitmap ? buffers.find(bitmap) : buffers.end();
  if (it == buffers.end() || !Resolve(bitmap, it->second)) return {};
  return {bitmap, it->second.serial};
}

bool PanelBufferStillThere(const PanelBufferToken& token) {
  auto& buffers = Buffers();
  auto it = token.bitmap ? buffers.find(token.bitmap) : buffers.end();
  return it != buffers.end() && it->second.serial == token.serial && Resolve(token.bitmap, it->second);
}

image::RuntimeImage* PanelBufferImageOf(HDC dc) {
  const auto bitmap = dc ? static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)) : nullptr;
  return bitmap ? FindPanelBackBufferImage(bitmap) : nullptr;
}

void ForgetPanelBuffers() { Buffers().clear(); }

image::RuntimeImage* FindPanelBackBufferImage(HBITMAP bitmap) {
  auto& buffers = Buffers();
  auto it = bitmap ? buffers.find(bitmap) : buffers.end();
  if (it == buffers.end()) return nullptr;
  image::RuntimeImage* image = Resolve(bitmap, it->second);
  if (!image) buffers.erase(it);  // a buffer freed with its panel
  return image;
}

}  // namespace kelvra
