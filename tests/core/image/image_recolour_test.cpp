// ImgBlend and ImgHueBlend on 2x2 images and icons, and the image helpers that
// hand pixels to GDI and GDI+.
#include <gtest/gtest.h>

#include "core/platform/gdiplus_api.h"
#include "core/image/image_cache.h"
#include "core/image/bitmap_conversion.h"
#include "core/image/bitmap_pixels.h"
#include "core/image/down_arrow.h"
#include "core/image/gdiplus_bitmap.h"
#include "core/image/image_measure.h"
#include "core/platform/platform_bindings.h"
#include "core/image/runtime_image.h"
#include "kelvra.h"
#include "tests/core/image/image_fixtures.h"
#include "tests/support/win_test_helpers.h"

namespace {

// A 2x2 bottom-up 32-bit DIB section as LoadImg makes them; pixels top row first.
HBITMAP MakeBitmap(const std::vector<uint32_t>& pixels) {
  auto image = kelvra::image::RuntimeImage::Create(2, 2);
  for (int i = 0; i < 4; ++i) image->SetPixel(i % 2, i / 2, pixels[i]);
  return image->Detach();
}

uint32_t PixelOf(HANDLE bitmap, int x, int y) {
  auto pixels = kelvra::ReadBitmapPixels(static_cast<HBITMAP>(bitmap), 2, 2);
  return pixels.empty() ? 0xDEADBEEF : pixels[y * 2 + x];
}

const std::vector<uint32_t> kQuad = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x00FFFFFF};

TEST(ImgBlend, NeutralCopyIsUpright32Bit) {
  HBITMAP source = MakeBitmap(kQuad);
  HANDLE copy = ImgBlend(source, 255, 0, 0, 0, 0, 0);
  ASSERT_TRUE(copy);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(copy, sizeof(section), &section), int(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(PixelOf(copy, i % 2, i / 2), kQuad[i]) << i;
  HANDLE faint = ImgBlend(source, 0.5f, 0, 0, 0, 0, 0);  // alpha below 1 is 1
  EXPECT_EQ(PixelOf(faint, 0, 0) >> 24, 1u);
  EXPECT_EQ(PixelOf(faint, 1, 0) >> 24, 1u);  // round(128 / 255 * 1)
  FreeImg(faint);
  FreeImg(copy);
  FreeImg(source);
}

TEST(ImgBlend, EachStepOnTwoByTwo) {
  HBITMAP source = MakeBitmap(kQuad);
  // Greyscale, amount 0: r = g = b = round(0.2989 r + 0.5870 g + 0.1140 b).
  HANDLE grey = ImgBlend(source, 255, 0, 0, 0, 0, 1);
  EXPECT_EQ(PixelOf(grey, 0, 0), 0xFF4C4C4Cu);
  EXPECT_EQ(PixelOf(grey, 1, 0), 0x80969696u);
  EXPECT_EQ(PixelOf(grey, 0, 1), 0xFF1D1D1Du);
  // Amount 256 with red: a red silhouette keeping the alpha.
  HANDLE red = ImgBlend(source, 255, 0, 0, MakeRGB(255, 0, 0), 256, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(PixelOf(red, i % 2, i / 2), (kQuad[i] & 0xFF000000) | 0xFF0000) << i;
  // Brightness and contrast clamp to 0..255.
  HANDLE bright = ImgBlend(source, 255, 0, -300, 0, 0, 0);
  EXPECT_EQ(PixelOf(bright, 1, 1), 0x00000000u);
  HANDLE harsh = ImgBlend(source, 255, 259, 0, 0, 0, 0);  // the divisor would be 0 here
  ASSERT_TRUE(harsh);
  EXPECT_EQ(PixelOf(harsh, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(PixelOf(harsh, 1, 1), 0x00FFFFFFu);
  for (HANDLE h : {grey, red, bright, harsh}) FreeImg(h);
  FreeImg(source);
}

TEST(ImgBlend, IconMaskBecomesAlpha) {
  // A 32-bit colour bitmap whose alpha is all 0: the mask says what is visible.
  HDC screen = GetDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  for (int i = 0; i < 4; ++i) static_cast<uint32_t*>(bits)[i] = 0x00404040;
  const uint16_t maskRows[2] = {0x0040, 0x0000};  // top row: the right pixel is transparent
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, maskRows);
  ICONINFO iconInfo{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&iconInfo);
  DeleteObject(mask);
  DeleteObject(colour);
  ASSERT_TRUE(icon);
  HANDLE copy = ImgBlend(icon, 255, 0, 0, 0, 0, 0);
  ASSERT_TRUE(copy);
  EXPECT_EQ(GetObjectType(copy), DWORD(OBJ_BITMAP));
  EXPECT_EQ(PixelOf(copy, 0, 0), 0xFF404040u);
  EXPECT_EQ(PixelOf(copy, 1, 0) >> 24, 0u);
  EXPECT_EQ(PixelOf(copy, 0, 1), 0xFF404040u);
  EXPECT_EQ(PixelOf(copy, 1, 1), 0xFF404040u);
  FreeImg(copy);

  HANDLE asIcon = ImgBlend(icon, 255, 0, 0, 0, 0, 2);
  ICONINFO out{};
  ASSERT_TRUE(GetIconInfo(static_cast<HICON>(asIcon), &out));
  DeleteObject(out.hbmColor);
  DeleteObject(out.hbmMask);
  FreeImg(asIcon);
  DestroyIcon(icon);
}

TEST(ImgBlend, FreeingTheSourceKeepsSharedImagesTrue) {
  const auto png = kelvra::test::MakePng(2, 2, kQuad);
  const std::wstring path = kelvra::test::TempPath(L"recolour_shared.png");
  ASSERT_TRUE(kelvra::test::WriteFileBytes(path, png.data(), png.size()));
  HANDLE first = LoadImg(path.c_str(), 0, 0, 4);
  HANDLE second = LoadImg(path.c_str(), 0, 0, 4);
  ASSERT_EQ(first, second);
  HANDLE tinted = ImgBlend(first, 255, 0, 0, 0, 0, 4);
  ASSERT_TRUE(tinted);
  EXPECT_EQ(ImgWidth(second), 2) << "the other holder's image survives";
  HANDLE hued = ImgHueBlend(second, 255, 0xFF, 0, 0.5f, 0, 0, 4);
  ASSERT_TRUE(hued);
  EXPECT_EQ(GetObjectType(second), 0u) << "the last holder's release destroys it";
  EXPECT_EQ(kelvra::TheImageCache().imagePathMap.Find(path), nullptr);
  FreeImg(tinted);
  FreeImg(hued);
  // A plain bitmap is simply destroyed.
  HBITMAP plain = MakeBitmap(kQuad);
  HANDLE copy = ImgBlend(plain, 255, 0, 0, 0, 0, 4);
  EXPECT_EQ(GetObjectType(plain), 0u);
  FreeImg(copy);
}

TEST(ImgHueBlend, RepaintsInTheColoursHue) {
  HBITMAP source = MakeBitmap({0xFF808080, 0x40FFFFFF, 0xFF000000, 0x00808080});
  HANDLE red = ImgHueBlend(source, 255, MakeRGB(255, 0, 0), 0, 0.5f, 0, 0, 0);
  ASSERT_TRUE(red);
  const uint32_t p = PixelOf(red, 0, 0);
  EXPECT_EQ(p >> 24, 0xFFu);
  EXPECT_EQ((p >> 16) & 0xFF, 0xFFu);
  EXPECT_LE((p >> 8) & 0xFF, 1u);
  EXPECT_EQ(PixelOf(red, 1, 0), 0x40FFFFFFu) << "white stays white, alpha kept";
  EXPECT_EQ(PixelOf(red, 0, 1), 0xFF000000u);
  HANDLE white = ImgHueBlend(source, 255, MakeRGB(255, 0, 0), 0, 1.0f, 0, 0, 0);
  EXPECT_EQ(PixelOf(white, 0, 1) & 0xFFFFFF, 0xFFFFFFu);
  HANDLE tinted = ImgHueBlend(source, 255, MakeRGB(255, 0, 0), 0, 0.5f, MakeRGB(0, 0, 255), 256, 0);
  EXPECT_EQ(PixelOf(tinted, 0, 1), 0xFF0000FFu);
  for (HANDLE h : {red, white, tinted}) FreeImg(h);
  FreeImg(source);
}

TEST(ImgBlend, UnmeasurableImagesGiveZero) {
  EXPECT_EQ(ImgBlend(nullptr, 255, 0, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(ImgHueBlend(reinterpret_cast<HANDLE>(0x1234), 255, 0, 0, 0.5f, 0, 0, 0), nullptr);
  // A monochrome icon has no colour bitmap.
  const uint16_t rows[4] = {0, 0, 0xFFFF, 0xFFFF};
  HBITMAP mask = CreateBitmap(2, 4, 1, 1, rows);
  ICONINFO info{TRUE, 0, 0, mask, nullptr};
  HICON mono = CreateIconIndirect(&info);
  DeleteObject(mask);
  ASSERT_TRUE(mono);
  EXPECT_EQ(ImgBlend(mono, 255, 0, 0, 0, 0, 0), nullptr);
  EXPECT_EQ(ImgWidth(mono), 0);
  int w = 0, h = 0;
  EXPECT_EQ(kelvra::GetImageDimensions(mono, &w, &h), 1);
  EXPECT_EQ(h, 4) << "measured by its doubled mask";
  DestroyIcon(mono);
}

TEST(ImageHelpers, GdipBitmapsAreUpright) {
  ASSERT_TRUE(kelvra::StartGdiPlus());
  const auto& api = kelvra::GdiPlus();
  auto read = [&](kelvra::gdip::Bitmap* bitmap, int x, int y) {
    kelvra::gdip::Rect rect{0, 0, 2, 2};
    kelvra::gdip::BitmapData data{};
    if (api.GdipBitmapLockBits(bitmap, &rect, 1, 0x26200A, &data) != 0) return 0xDEADBEEFu;
    uint32_t value;
    std::memcpy(&value, static_cast<uint8_t*>(data.scan0) + y * data.stride + x * 4, 4);
    api.GdipBitmapUnlockBits(bitmap, &data);
    return value;
  };
  const std::vector<uint32_t> quad = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF};
  HBITMAP dib = MakeBitmap(quad);
  const int32_t number = kelvra::ImageFromBitmap(dib, 0);
  ASSERT_GT(number, 0);
  for (intptr_t which : {intptr_t(number), reinterpret_cast<intptr_t>(dib)}) {
    auto* bitmap = kelvra::CreateGdipBitmap(which);
    ASSERT_TRUE(bitmap);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(read(bitmap, i % 2, i / 2), quad[i]) << i;
    api.GdipDisposeImage(bitmap);
  }
  EXPECT_EQ(PixelOf(dib, 0, 0), quad[0]) << "the shared section is not rewritten";
  kelvra::image::FreeRuntimeImage(number);

  // A 32-bit bitmap that is not a DIB section is read first, never passed as null.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP device = CreateBitmap(2, 2, 1, 32, nullptr);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, device);
  RECT all{0, 0, 2, 2};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(memory, &all, blue);
  SelectObject(memory, old);
  DeleteObject(blue);
  DeleteDC(memory);
  BITMAP bm{};
  GetObjectW(device, sizeof(bm), &bm);
  if (bm.bmBitsPixel == 32) {
    auto* bitmap = kelvra::CreateGdipBitmap(reinterpret_cast<intptr_t>(device));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(read(bitmap, 1, 1) & 0xFFFFFF, 0x0000FFu) << "the bitmap's own pixels, not a blank";
    api.GdipDisposeImage(bitmap);
  }
  DeleteObject(device);
  EXPECT_EQ(kelvra::CreateGdipBitmap(0), nullptr);
}

TEST(ImageHelpers, FillZeroAlphaIconAndArrow) {
  kelvra::test::Dib32 dib(3, 3, 0x00FF0000);
  dib.SetPixel(1, 1, 0x80123456);
  kelvra::FillZeroAlpha(dib.dc(), dib.bitmap(), 255);
  EXPECT_EQ(dib.Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(dib.Pixel(1, 1), 0x80123456u);

  HBITMAP bitmap = MakeBitmap(kQuad);
  HICON icon = kelvra::BitmapToIcon(bitmap);
  ASSERT_TRUE(icon);
  EXPECT_EQ(ImgWidth(icon), 2);
  DestroyIcon(icon);
  DeleteObject(bitmap);
  EXPECT_EQ(kelvra::BitmapToIcon(nullptr), nullptr);

  kelvra::test::Dib32 canvas(7, 4, 0xFFFFFFFF);
  kelvra::FillDownArrow(canvas.dc(), 0, 0, 7, 4, RGB(255, 0, 0));
  GdiFlush();
  EXPECT_EQ(canvas.Pixel(3, 0) & 0xFFFFFF, 0xFF0000u) << "top edge";
  EXPECT_EQ(canvas.Pixel(3, 2) & 0xFFFFFF, 0xFF0000u) << "middle";
  EXPECT_EQ(canvas.Pixel(0, 3) & 0xFFFFFF, 0xFFFFFFu) << "outside the point";
}

}  // namespace
