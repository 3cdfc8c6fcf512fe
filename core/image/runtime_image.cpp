// RuntimeImage: a DIB section with pixel access, and decoding files and memory
// into one.
#include "core/image/runtime_image.h"

#include <cstring>
#include <vector>

#include "core/image/decode/image_decoder_registry.h"
#include "core/platform/win_handles.h"

namespace kelvra::image {

std::unique_ptr<RuntimeImage> RuntimeImage::Create(int width, int height, int bitsPerPixel) {
  if (!SizeAllowed(width, height) || (bitsPerPixel != 24 && bitsPerPixel != 32)) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom-up rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  auto image = Adopt(bitmap);
  if (!image) DeleteObject(bitmap);
  return image;
}

std::unique_ptr<RuntimeImage> RuntimeImage::Adopt(HBITMAP dibSection) {
  DIBSECTION section{};
  if (!dibSection || GetObjectW(dibSection, sizeof(section), &section) != sizeof(section) ||
      !section.dsBm.bmBits)
    return nullptr;
  std::unique_ptr<RuntimeImage> image(new RuntimeImage());
  image->bitmap_ = dibSection;
  image->bits_ = static_cast<uint8_t*>(section.dsBm.bmBits);
  image->width_ = section.dsBm.bmWidth;
  image->height_ = section.dsBm.bmHeight;
  image->bitsPerPixel_ = section.dsBm.bmBitsPixel;
  image->stride_ = section.dsBm.bmWidthBytes;
  // A top-down section is kept as it is; Row() then reads memory the other way.
  image->topDown_ = IsTopDown(dibSection, section);
  return image;
}

// GetObject reports a positive biHeight for top-down sections too (Wine, and some
// Windows versions), so the sign alone cannot be trusted: ask GDI for the bottom
// scan line and see which end of the memory holds it. Rows that read the same
// either way make the answer immaterial.
bool RuntimeImage::IsTopDown(HBITMAP bitmap, const DIBSECTION& section) {
  if (section.dsBmih.biHeight < 0) return true;
  const int height = section.dsBm.bmHeight;
  const size_t stride = static_cast<size_t>(section.dsBm.bmWidthBytes);
  if (height < 2 || section.dsBm.bmBitsPixel < 8) return false;
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = section.dsBm.bmWidth;
  info.header.biHeight = height;  // bottom-up: scan line 0 is the bottom row
  info.header.biPlanes = 1;
  info.header.biBitCount = section.dsBm.bmBitsPixel;
  info.header.biCompression = BI_RGB;
  std::vector<uint8_t> bottom(stride);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  GdiFlush();
  const int lines = GetDIBits(dc, bitmap, 0, 1, bottom.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteDC(dc);
  if (lines != 1) return false;
  const auto* memory = static_cast<const uint8_t*>(section.dsBm.bmBits);
  const size_t used = (static_cast<size_t>(section.dsBm.bmWidth) * section.dsBm.bmBitsPixel + 7) / 8;
  const bool firstIsBottom = std::memcmp(memory, bottom.data(), used) == 0;
  const bool lastIsBottom = std::memcmp(memory + (height - 1) * stride, bottom.data(), used) == 0;
  return lastIsBottom && !firstIsBottom;
}

std::unique_ptr<RuntimeImage> RuntimeImage::FromPixels(const PixelBuffer& pixels) {
  auto image = Create(pixels.width, pixels.height, 32);
  if (!image || pixels.pixels.size() < static_cast<size_t>(pixels.width) * pixels.height) return nullptr;
  for (int y = 0; y < pixels.height; ++y)
    std::memcpy(image->Row(y), &pixels.pixels[static_cast<size_t>(y) * pixels.width],
                static_cast<size_t>(pixels.width) * 4);
  return image;
}

std::unique_ptr<RuntimeImage> RuntimeImage::View(HBITMAP dibSection) {
  auto image = Adopt(dibSection);
  if (image) image->owned_ = false;
  return image;
}

RuntimeImage::~RuntimeImage() {
  if (bitmap_ && owned_) DeleteObject(bitmap_);
}

uint8_t* RuntimeImage::Row(int y) const {
  return bits_ + static_cast<size_t>(topDown_ ? y : height_ - 1 - y) * stride_;
}

uint32_t RuntimeImage::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const uint8_t* row = Row(y);
  if (bitsPerPixel_ == 32) {
    uint32_t value;
    std::memcpy(&value, row + x * 4, 4);
    return value;
  }
  if (bitsPerPixel_ == 24) {
    const uint8_t* p = row + x * 3;
    return 0xFF000000 | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
  }
  return 0;
}

void RuntimeImage::SetPixel(int x, int y, uint32_t argb) {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* row = Row(y);
  if (bitsPerPixel_ == 32) {
    std::memcpy(row + x * 4, &argb, 4);
  } else if (bitsPerPixel_ == 24) {
    uint8_t* p = row + x * 3;
    p[0] = static_cast<uint8_t>(argb);
    p[1] = static_cast<uint8_t>(argb >> 8);
    p[2] = static_cast<uint8_t>(argb >> 16);
  }
}

HBITMAP RuntimeImage::Detach() {
  HBITMAP bitmap = bitmap_;
  bitmap_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = bitsPerPixel_ = stride_ = 0;
  return bitmap;
}

std::unique_ptr<RuntimeImage> DecodeMemory(const void* data, size_t size) {
  if (!data || !size) return nullptr;
  try {
    PixelBuffer pixels;
    if (!DecodeWithRegisteredDecoders(static_cast<const uint8_t*>(data), size, pixels)) return nullptr;
    return RuntimeImage::FromPixels(pixels);
  } catch (...) {
    return nullptr;
  }
}

std::unique_ptr<RuntimeImage> DecodeFile(const std::wstring& path) {
  try {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxImageFileBytes) return nullptr;
    // A failed allocation throws past the owner, which closes the file.
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
      return nullptr;
    file.reset();
    return DecodeMemory(bytes.data(), bytes.size());
  } catch (...) {
    return nullptr;
  }
}

}  // namespace kelvra::image
