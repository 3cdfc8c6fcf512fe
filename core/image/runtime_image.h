// The library's image runtime: 32-bit DIB-section images, the numbered table that
// the rest of the library names them by, decoding from files and memory, resizing, slicing and
// per-pixel filter drawing. An image is used by one thread at a time (its owner's).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/image/decode/image_decode.h"

namespace kelvra::image {

// One bitmap owned as a DIB section. Images this runtime creates have bottom-up
// memory rows (as GetDIBits delivers them, and as GDI+'s vertical flip of shared
// pixels expects); an adopted top-down section keeps its order. The accessors
// count y from the top either way. A 32-bit pixel is 0xAARRGGBB with straight alpha; a 24-bit one reads with
// alpha 0xFF and ignores alpha when written.
class RuntimeImage {
 public:
  // A zero-filled DIB section; bitsPerPixel 24 or 32. nullptr when the size is
  // not allowed (see SizeAllowed) or GDI refuses.
  static std::unique_ptr<RuntimeImage> Create(int width, int height, int bitsPerPixel = 32);
  // Takes ownership of a caller's DIB section (any depth). nullptr, leaving the
  // bitmap with the caller, when it is not a DIB section.
  static std::unique_ptr<RuntimeImage> Adopt(HBITMAP dibSection);
  // Reads and writes a caller's DIB section in place without owning it: the bitmap
  // is never deleted by the view, and must outlive it. nullptr when it is not a
  // DIB section.
  static std::unique_ptr<RuntimeImage> View(HBITMAP dibSection);
  // A 32-bit image holding the pixels.
  static std::unique_ptr<RuntimeImage> FromPixels(const PixelBuffer& pixels);

  ~RuntimeImage();
  RuntimeImage(const RuntimeImage&) = delete;
  RuntimeImage& operator=(const RuntimeImage&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  int Stride() const { return stride_; }  // bytes per memory row, a multiple of 4
  uint8_t* Bits() const { return bits_; }  // memory order (see TopDown)
  bool TopDown() const { return topDown_; }
  uint8_t* Row(int y) const;  // the memory of row y counted from the top
  HBITMAP Bitmap() const { return bitmap_; }

  // Out-of-range coordinates read 0 and write nothing; depths other than 24 and 32
  // read 0.
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t argb);

  // Gives the bitmap to the caller; the image keeps no pixels afterwards.
  HBITMAP Detach();

 private:
  static bool IsTopDown(HBITMAP bitmap, const DIBSECTION& section);
  RuntimeImage() = default;
  HBITMAP bitmap_ = nullptr;
  uint8_t* bits_ = nullptr;
  int width_ = 0, height_ = 0, bitsPerPixel_ = 0, stride_ = 0;
  bool topDown_ = false;
  bool owned_ = true;
};

// ---- Decoding (0 / nullptr for missing, truncated, corrupt or oversized data)
// A file larger than kMaxImageFileBytes (image_decode.h, about 65 MB) is refused
// before it is read.
std::unique_ptr<RuntimeImage> DecodeFile(const std::wstring& path);
std::unique_ptr<RuntimeImage> DecodeMemory(const void* data, size_t size);

// ---- Transforms (new 32-bit images; the source is unchanged)
// Bilinear resize to width x height (both at least 1).
std::unique_ptr<RuntimeImage> Resize(const RuntimeImage& source, int width, int height);
// The part of the source at (x, y) of width x height, clipped to the source;
// nullptr when nothing remains.
std::unique_ptr<RuntimeImage> CopyRect(const RuntimeImage& source, int x, int y, int width, int height);

// ---- Drawing one image onto another
// filter(x, y, sourcePixel, targetPixel) -> new target pixel, for every source
// pixel that lands inside the target; x and y are the source pixel's coordinates.
using PixelFilter = uint32_t (*)(int x, int y, uint32_t source, uint32_t target);
template <class Filter>
void DrawFiltered(const RuntimeImage& source, RuntimeImage& target, int x, int y, Filter&& filter) {
  for (int sy = 0; sy < source.Height(); ++sy) {
    const int ty = y + sy;
    if (ty < 0 || ty >= target.Height()) continue;
    for (int sx = 0; sx < source.Width(); ++sx) {
      const int tx = x + sx;
      if (tx < 0 || tx >= target.Width()) continue;
      target.SetPixel(tx, ty, filter(sx, sy, source.Pixel(sx, sy), target.Pixel(tx, ty)));
    }
  }
}
// Copies only the source's alpha channel onto the target at (x, y); the target's
// colour channels stay.
void DrawAlphaChannel(const RuntimeImage& source, RuntimeImage& target, int x, int y);

// ---- The numbered table. Numbers are 1..0xFFFF: a GDI handle always has a
// non-zero high word, so a number never reads as an HBITMAP.
// Thread safety: guarded by its own lock (RuntimeImageTableLock), held only inside
// these calls, so any thread may add, find and free. An image found here lives
// until whoever entered it frees it: its owner guards that (a panel's back buffer
// is freed and written only under PanelLock).
// Enters the image and takes it: returns its number. 0 when image is null or the
// table is full, and then the image stays with the caller, untouched.
int32_t AddRuntimeImage(std::unique_ptr<RuntimeImage>& image);
// The number of images in the table.
size_t RuntimeImageCount();
// How many images the table holds: one per number. Tests of the full table lower
// it with SetRuntimeImageTableCapacity and put it back.
inline constexpr size_t kRuntimeImageTableCapacity = 0xFFFF;
void SetRuntimeImageTableCapacity(size_t capacity);
RuntimeImage* FindRuntimeImage(intptr_t number);
bool IsRuntimeImageNumber(intptr_t value);
// The bitmap of a runtime image number, or the value itself taken as an HBITMAP.
HBITMAP BitmapOfImage(intptr_t numberOrBitmap);
// Removes the image from the table and gives it to the caller.
std::unique_ptr<RuntimeImage> TakeRuntimeImage(intptr_t number);
// Frees the image and its bitmap; false for an unknown number.
bool FreeRuntimeImage(intptr_t number);
void FreeAllRuntimeImages();

}  // namespace kelvra::image
