// The image runtime: DIB-section images, the numbered table, decoding through
// the registered decoders, resizing, slicing and filter drawing.
#include <gtest/gtest.h>

#include "core/image/bitmap_conversion.h"
#include "core/image/pixel_filters.h"
#include "core/image/runtime_image.h"
#include "tests/core/image/image_fixtures.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::image::RuntimeImage;

TEST(RuntimeImage, IsA32BitBottomUpDibSectionReadFromTheTop) {
  auto image = RuntimeImage::Create(3, 2);
  ASSERT_TRUE(image);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(image->Bitmap(), sizeof(section), &section), int(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  EXPECT_GT(section.dsBmih.biHeight, 0);
  EXPECT_EQ(image->Stride(), 12);
  image->SetPixel(1, 0, 0x80112233);
  EXPECT_EQ(image->Pixel(1, 0), 0x80112233u);
  // y counts from the top; memory holds the bottom row first.
  uint32_t stored;
  std::memcpy(&stored, image->Bits() + image->Stride() * 1 + 4, 4);
  EXPECT_EQ(stored, 0x80112233u);
  EXPECT_EQ(image->Pixel(-1, 0), 0u);
  EXPECT_EQ(image->Pixel(3, 0), 0u);
  image->SetPixel(5, 5, 1);  // outside: ignored

  EXPECT_FALSE(RuntimeImage::Create(0, 5));
  EXPECT_FALSE(RuntimeImage::Create(100000, 100000));
  EXPECT_FALSE(RuntimeImage::Create(2, 2, 8));

  HBITMAP bitmap = image->Detach();
  EXPECT_EQ(image->Bitmap(), nullptr);
  EXPECT_EQ(GetObjectType(bitmap), DWORD(OBJ_BITMAP));
  DeleteObject(bitmap);
}

TEST(RuntimeImage, AdoptsOnlyDibSections) {
  kelvra::test::Dib32 topDown(2, 2);
  topDown.SetPixel(0, 0, 0xFF010203);
  // A device bitmap has no pixel memory: refused and left with the caller.
  HDC screen = GetDC(nullptr);
  HBITMAP device = CreateCompatibleBitmap(screen, 2, 2);
  ReleaseDC(nullptr, screen);
  EXPECT_FALSE(RuntimeImage::Adopt(device));
  EXPECT_EQ(GetObjectType(device), DWORD(OBJ_BITMAP));
  DeleteObject(device);

  auto image = RuntimeImage::Create(2, 2);
  HBITMAP section = image->Detach();
  auto adopted = RuntimeImage::Adopt(section);
  ASSERT_TRUE(adopted);
  EXPECT_EQ(adopted->Width(), 2);
  EXPECT_EQ(adopted->Bitmap(), section);
}

// GetObject answers a positive height for top-down sections as well, so the rows of
// an adopted section must still come out the right way up.
TEST(RuntimeImage, AdoptedTopDownSectionReadsUpright) {
  for (int direction : {-1, 1}) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 3 * direction;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(section);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 6; ++i) pixels[i] = 0xFF000000u | static_cast<uint32_t>(i / 2 + 1);
    // Memory row 0 holds 1, row 2 holds 3: the top row for a top-down section.
    const uint32_t top = direction < 0 ? 0xFF000001u : 0xFF000003u;
    auto image = RuntimeImage::Adopt(section);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Pixel(0, 0), top) << "direction " << direction;
    EXPECT_EQ(image->Pixel(1, 1), 0xFF000002u) << "direction " << direction;
  }
}

TEST(RuntimeImage, TableNumbersAreNotHandles) {
  auto image = RuntimeImage::Create(4, 4);
  HBITMAP bitmap = image->Bitmap();
  const int32_t number = kelvra::image::AddRuntimeImage(image);
  ASSERT_GT(number, 0);
  EXPECT_FALSE(image) << "the table took it";
  EXPECT_LE(number, 0xFFFF);
  EXPECT_TRUE(kelvra::image::IsRuntimeImageNumber(number));
  EXPECT_FALSE(kelvra::image::IsRuntimeImageNumber(reinterpret_cast<intptr_t>(bitmap)));
  EXPECT_EQ(kelvra::image::BitmapOfImage(number), bitmap);
  EXPECT_EQ(kelvra::image::BitmapOfImage(reinterpret_cast<intptr_t>(bitmap)), bitmap);
  std::unique_ptr<RuntimeImage> none;
  EXPECT_EQ(kelvra::image::AddRuntimeImage(none), 0);
  EXPECT_TRUE(kelvra::image::FreeRuntimeImage(number));
  EXPECT_EQ(GetObjectType(bitmap), 0u) << "freeing the number deletes its bitmap";
  EXPECT_FALSE(kelvra::image::FreeRuntimeImage(number));

  // ImageFromBitmap takes a caller's DIB section into the table.
  kelvra::test::Dib32 dib(3, 3, 0xFF00FF00);
  HBITMAP owned = kelvra::image::RuntimeImage::Create(3, 3)->Detach();
  const int32_t fromBitmap = kelvra::ImageFromBitmap(owned, 0);
  ASSERT_GT(fromBitmap, 0);
  EXPECT_EQ(kelvra::image::FindRuntimeImage(fromBitmap)->Width(), 3);
  EXPECT_TRUE(kelvra::image::FreeRuntimeImage(fromBitmap));
  HDC screen = GetDC(nullptr);
  HBITMAP device = CreateCompatibleBitmap(screen, 2, 2);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(kelvra::ImageFromBitmap(device, 0), 0);
  DeleteObject(device);
}

TEST(RuntimeImage, FullTableHandsTheImageAndTheCallersBitmapBack) {
  kelvra::image::SetRuntimeImageTableCapacity(kelvra::image::RuntimeImageCount());
  auto image = RuntimeImage::Create(4, 4);
  HBITMAP bitmap = image->Bitmap();
  EXPECT_EQ(kelvra::image::AddRuntimeImage(image), 0);
  ASSERT_TRUE(image) << "a refused image stays with the caller";
  EXPECT_EQ(image->Bitmap(), bitmap);

  // ImageFromBitmap must not delete the caller's section when it cannot enter it.
  kelvra::test::Dib32 callers(3, 3, 0xFF00FF00);
  EXPECT_EQ(kelvra::ImageFromBitmap(callers.bitmap(), 0), 0);
  EXPECT_EQ(GetObjectType(callers.bitmap()), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(callers.Pixel(1, 1), 0xFF00FF00u);
  kelvra::image::SetRuntimeImageTableCapacity(kelvra::image::kRuntimeImageTableCapacity);
  const int32_t number = kelvra::image::AddRuntimeImage(image);
  EXPECT_GT(number, 0) << "room again once the limit is lifted";
  EXPECT_TRUE(kelvra::image::FreeRuntimeImage(number));
}

// The table is guarded by its own lock: threads entering, finding and freeing
// images at the same time leave it whole.
DWORD WINAPI ChurnRuntimeImages(LPVOID failures) {
  for (int i = 0; i < 3000; ++i) {
    auto image = RuntimeImage::Create(1, 1);
    if (!image) continue;
    RuntimeImage* expected = image.get();
    const int32_t number = kelvra::image::AddRuntimeImage(image);
    if (!number || kelvra::image::FindRuntimeImage(number) != expected || !kelvra::image::FreeRuntimeImage(number))
      ++*static_cast<LONG*>(failures);
  }
  return 0;
}

TEST(RuntimeImage, TableTakesImagesFromSeveralThreadsAtOnce) {
  const size_t before = kelvra::image::RuntimeImageCount();
  LONG failures[3] = {0, 0, 0};
  HANDLE threads[3];
  for (int i = 0; i < 3; ++i) threads[i] = CreateThread(nullptr, 0, ChurnRuntimeImages, &failures[i], 0, nullptr);
  WaitForMultipleObjects(3, threads, TRUE, 60000);
  for (HANDLE thread : threads) CloseHandle(thread);
  EXPECT_EQ(failures[0] + failures[1] + failures[2], 0);
  EXPECT_EQ(kelvra::image::RuntimeImageCount(), before);
}

// A file past the bound is refused unread; the same image within it decodes.
TEST(RuntimeImage, FilesPastTheSizeBoundAreRefused) {
  const kelvra::test::Bytes bmp = kelvra::test::MakeBmp(2, 2, 24, std::vector<uint32_t>(4, 0x00FF8000));
  const auto writePadded = [&](const std::wstring& path, int64_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bmp.data(), static_cast<DWORD>(bmp.size()), &written, nullptr) != 0;
    LARGE_INTEGER end;
    end.QuadPart = size;  // the rest reads as zeros after the pixels
    ok = ok && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok;
  };
  const std::wstring within = kelvra::test::TempPath(L"bound_within.bmp");
  const std::wstring past = kelvra::test::TempPath(L"bound_past.bmp");
  ASSERT_TRUE(writePadded(within, kelvra::image::kMaxImageFileBytes));
  ASSERT_TRUE(writePadded(past, kelvra::image::kMaxImageFileBytes + 1));
  auto read = kelvra::image::DecodeFile(within);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Pixel(1, 1), 0xFFFF8000u);
  read.reset();
  EXPECT_FALSE(kelvra::image::DecodeFile(past));
  DeleteFileW(within.c_str());
  DeleteFileW(past.c_str());
}

TEST(RuntimeImage, DecodesFromMemoryAndFile) {
  const std::vector<uint32_t> quad = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x00000000};
  const auto png = kelvra::test::MakePng(2, 2, quad);
  auto fromMemory = kelvra::image::DecodeMemory(png.data(), png.size());
  ASSERT_TRUE(fromMemory);
  EXPECT_EQ(fromMemory->Pixel(1, 0), 0x8000FF00u);
  EXPECT_EQ(fromMemory->Pixel(0, 1), 0xFF0000FFu);

  const std::wstring path = kelvra::test::TempPath(L"runtime.jpg");
  const auto jpeg = kelvra::test::MakeJpeg(5, 3, 0, 0, 255);
  ASSERT_TRUE(kelvra::test::WriteFileBytes(path, jpeg.data(), jpeg.size()));
  auto fromFile = kelvra::image::DecodeFile(path);
  ASSERT_TRUE(fromFile);
  EXPECT_EQ(fromFile->Width(), 5);
  EXPECT_EQ(fromFile->Height(), 3);
  EXPECT_GE(fromFile->Pixel(2, 1) & 0xFF, 250u);
  EXPECT_FALSE(kelvra::image::DecodeFile(kelvra::test::TempPath(L"missing.png")));
  EXPECT_FALSE(kelvra::image::DecodeMemory(nullptr, 4));
}

TEST(RuntimeImage, ResizeAndCopyRect) {
  auto image = RuntimeImage::Create(4, 2);
  for (int x = 0; x < 4; ++x) {
    image->SetPixel(x, 0, 0xFFFF0000);
    image->SetPixel(x, 1, 0xFF0000FF);
  }
  image->SetPixel(3, 1, 0x00000000);
  auto half = kelvra::image::Resize(*image, 2, 1);
  ASSERT_TRUE(half);
  EXPECT_EQ(half->Width(), 2);
  EXPECT_EQ(half->Height(), 1);
  auto same = kelvra::image::Resize(*image, 4, 2);
  EXPECT_EQ(same->Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(same->Pixel(3, 1) >> 24, 0u);
  auto big = kelvra::image::Resize(*image, 8, 8);
  EXPECT_EQ(big->Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(big->Pixel(0, 7), 0xFF0000FFu);
  EXPECT_FALSE(kelvra::image::Resize(*image, 0, 3));

  auto slice = kelvra::image::CopyRect(*image, 2, 1, 5, 5);  // clipped to 2 x 1
  ASSERT_TRUE(slice);
  EXPECT_EQ(slice->Width(), 2);
  EXPECT_EQ(slice->Height(), 1);
  EXPECT_EQ(slice->Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(slice->Pixel(1, 0), 0u);
  EXPECT_FALSE(kelvra::image::CopyRect(*image, 4, 0, 1, 1));
  EXPECT_FALSE(kelvra::image::CopyRect(*image, -5, 0, 5, 1));
}

TEST(RuntimeImage, FilterAndAlphaDrawing) {
  auto source = RuntimeImage::Create(2, 1);
  source->SetPixel(0, 0, 0xFFFFFFFF);
  source->SetPixel(1, 0, 0x00123456);
  auto target = RuntimeImage::Create(3, 2);
  kelvra::image::DrawFiltered(*source, *target, 1, 1, kelvra::WhiteTransparentFilter);
  EXPECT_EQ(target->Pixel(1, 1), 0x00FFFFFFu) << "white becomes transparent";
  EXPECT_EQ(target->Pixel(2, 1), 0xFF123456u) << "other colours become opaque";
  EXPECT_EQ(target->Pixel(0, 0), 0u) << "untouched";

  auto colours = RuntimeImage::Create(2, 1);
  colours->SetPixel(0, 0, 0x11AABBCC);
  colours->SetPixel(1, 0, 0x22DDEEFF);
  auto alpha = RuntimeImage::Create(1, 1);
  alpha->SetPixel(0, 0, 0x7F000000);
  kelvra::image::DrawAlphaChannel(*alpha, *colours, 1, 0);
  EXPECT_EQ(colours->Pixel(1, 0), 0x7FDDEEFFu);
  EXPECT_EQ(colours->Pixel(0, 0), 0x11AABBCCu);
  kelvra::image::DrawAlphaChannel(*alpha, *colours, 5, 5);  // outside: nothing
}

}  // namespace
