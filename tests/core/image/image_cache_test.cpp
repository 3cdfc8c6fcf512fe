// LoadImg, ImgPath, ImgWidth/ImgHeight and FreeImg with the image cache, over tiny
// files of each format, including hostile ones.
#include <gtest/gtest.h>

#include "core/image/image_cache.h"
#include "core/image/image_measure.h"
#include "kelvra.h"
#include "tests/core/image/image_fixtures.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::Bytes;
using kelvra::test::TempPath;

std::wstring WriteFixture(const std::wstring& name, const Bytes& bytes) {
  const std::wstring path = TempPath(name);
  EXPECT_TRUE(kelvra::test::WriteFileBytes(path, bytes.data(), bytes.size()));
  return path;
}

bool Is32BitDibSection(HANDLE image) {
  DIBSECTION section{};
  return GetObjectW(image, sizeof(section), &section) == int(sizeof(section)) && section.dsBm.bmBits &&
         section.dsBm.bmBitsPixel == 32;
}

const std::vector<uint32_t> kQuad = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x00000000};

class ImageFiles : public testing::Test {
 protected:
  void SetUp() override { kelvra::SetImgPathDirectory(L""); }
  void TearDown() override { kelvra::SetImgPathDirectory(L""); }
};

TEST_F(ImageFiles, EachFormatLoadsAsA32BitDibSection) {
  std::vector<uint32_t> pixels(64 * 48, 0xFF336699);
  struct Case { const wchar_t* name; Bytes bytes; int width, height; } cases[] = {
      {L"a.png", kelvra::test::MakePng(64, 48, pixels), 64, 48},
      {L"a.jpg", kelvra::test::MakeJpeg(7, 5, 1, 2, 3), 7, 5},
      {L"a24.bmp", kelvra::test::MakeBmp(2, 2, 24, kQuad), 2, 2},
      {L"a32.bmp", kelvra::test::MakeBmp(2, 2, 32, kQuad), 2, 2},
  };
  for (const auto& c : cases) {
    const std::wstring path = WriteFixture(c.name, c.bytes);
    HANDLE image = LoadImg(path.c_str(), 0, 0, 0);
    ASSERT_TRUE(image) << c.width;
    EXPECT_EQ(GetObjectType(image), DWORD(OBJ_BITMAP));
    EXPECT_TRUE(Is32BitDibSection(image));
    EXPECT_EQ(ImgWidth(image), c.width);
    EXPECT_EQ(ImgHeight(image), c.height);
    EXPECT_NE(FreeImg(image), 0);
    EXPECT_EQ(GetObjectType(image), 0u);
  }
  const std::wstring png = TempPath(L"a.png");
  HANDLE narrow = LoadImg(png.c_str(), 32, 0, 0);
  EXPECT_EQ(ImgWidth(narrow), 32);
  EXPECT_EQ(ImgHeight(narrow), 48);
  EXPECT_TRUE(Is32BitDibSection(narrow));
  FreeImg(narrow);
  HANDLE asIcon = LoadImg(png.c_str(), 16, 16, 2);
  ASSERT_TRUE(asIcon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(static_cast<HICON>(asIcon), &info)) << "flag 2 gives an icon";
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(ImgWidth(asIcon), 16);
  EXPECT_NE(FreeImg(asIcon), 0);
}

TEST_F(ImageFiles, IconFilesLoadAsIcons) {
  std::vector<uint32_t> pixels(16 * 16, 0xFF00FF00);
  pixels[0] = 0;
  const std::wstring path = WriteFixture(L"a.ico", kelvra::test::MakeIco(16, pixels));
  HANDLE icon = LoadImg(path.c_str(), 0, 0, 0);
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(ImgWidth(icon), 16);
  EXPECT_EQ(ImgHeight(icon), 16);
  int w = 0, h = 0;
  EXPECT_EQ(kelvra::GetImageDimensions(icon, &w, &h), 1);
  EXPECT_EQ(w, 16);
  EXPECT_NE(FreeImg(icon), 0);
}

TEST_F(ImageFiles, ImgPathIsPutInFront) {
  const std::wstring dir = TempPath(L"imgdir");
  CreateDirectoryW(dir.c_str(), nullptr);
  const Bytes png = kelvra::test::MakePng(2, 2, kQuad);
  ASSERT_TRUE(kelvra::test::WriteFileBytes(dir + L"\\b.png", png.data(), png.size()));
  EXPECT_EQ(ImgPath(dir.c_str()), 1);
  EXPECT_EQ(kelvra::ImgPathDirectory(), dir + L"\\");
  HANDLE image = LoadImg(L"b.png", 0, 0, 0);
  EXPECT_TRUE(image);
  FreeImg(image);
  EXPECT_EQ(ImgPath((dir + L"\\").c_str()), 1);
  EXPECT_EQ(kelvra::ImgPathDirectory(), dir + L"\\") << "no second backslash";
  EXPECT_EQ(ImgPath(L""), 1);
  EXPECT_EQ(kelvra::ImgPathDirectory(), L"\\");
  EXPECT_FALSE(LoadImg(L"b.png", 0, 0, 0));
}

TEST_F(ImageFiles, SharedImagesLiveUntilTheLastFree) {
  const std::wstring path = WriteFixture(L"shared.png", kelvra::test::MakePng(2, 2, kQuad));
  auto& cache = kelvra::TheImageCache();
  const size_t before = cache.imagePathMap.Size();
  HANDLE first = LoadImg(path.c_str(), 0, 0, 4);
  HANDLE second = LoadImg(path.c_str(), 0, 0, 4);
  ASSERT_TRUE(first);
  EXPECT_EQ(first, second);
  EXPECT_EQ(cache.imageUseMap.Find(kelvra::HandleKey(first))->holders, 1);
  HANDLE unshared = LoadImg(path.c_str(), 0, 0, 0);
  EXPECT_NE(unshared, first);
  FreeImg(unshared);

  // Another spelling of the same file is another cache entry.
  std::wstring upper = path;
  for (auto& ch : upper) ch = towupper(ch);
  HANDLE other = LoadImg(upper.c_str(), 0, 0, 4);
  EXPECT_NE(other, first);
  FreeImg(other);

  EXPECT_NE(FreeImg(first), 0);
  EXPECT_EQ(ImgWidth(first), 2) << "still held by the second holder";
  EXPECT_NE(FreeImg(second), 0);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(cache.imagePathMap.Size(), before);
  EXPECT_FALSE(cache.imageUseMap.Contains(kelvra::HandleKey(first)));
  HANDLE again = LoadImg(path.c_str(), 0, 0, 4);
  EXPECT_TRUE(again);
  FreeImg(again);
}

TEST_F(ImageFiles, BadFilesGiveZeroAndCacheNothing) {
  std::vector<uint32_t> pixels(8 * 8, 0xFF808080);
  const Bytes png = kelvra::test::MakePng(8, 8, pixels);
  const Bytes jpeg = kelvra::test::MakeJpeg(8, 8, 9, 9, 9);
  const Bytes bmp = kelvra::test::MakeBmp(8, 8, 32, pixels);
  Bytes ico = kelvra::test::MakeIco(16, std::vector<uint32_t>(256, 0xFF0000FF));
  ico.resize(40);
  Bytes hugeBmp = bmp;
  hugeBmp[18] = 0xFF; hugeBmp[19] = 0xFF; hugeBmp[20] = 0xFF; hugeBmp[21] = 0x00;
  struct Case { const wchar_t* name; Bytes bytes; } cases[] = {
      {L"empty.png", {}},
      {L"cut.png", Bytes(png.begin(), png.begin() + png.size() / 2)},
      {L"cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)},
      {L"cut.bmp", Bytes(bmp.begin(), bmp.begin() + 60)},
      {L"huge.bmp", hugeBmp},
      {L"cut.ico", ico},
      {L"text.png", Bytes{'h', 'e', 'l', 'l', 'o'}},
  };
  const size_t before = kelvra::TheImageCache().imagePathMap.Size();
  for (const auto& c : cases) {
    const std::wstring path = WriteFixture(c.name, c.bytes);
    EXPECT_EQ(LoadImg(path.c_str(), 0, 0, 4), nullptr);
    EXPECT_EQ(LoadImg(path.c_str(), 10, 10, 2), nullptr);
  }
  EXPECT_EQ(LoadImg(TempPath(L"missing.png").c_str(), 0, 0, 4), nullptr);
  EXPECT_EQ(LoadImg(TempPath(L"").c_str(), 0, 0, 0), nullptr) << "a directory";
  EXPECT_EQ(LoadImg(nullptr, 0, 0, 0), nullptr);
  EXPECT_EQ(kelvra::TheImageCache().imagePathMap.Size(), before);
  EXPECT_EQ(ImgWidth(nullptr), 0);
  EXPECT_EQ(ImgHeight(reinterpret_cast<HANDLE>(0x1234)), 0);
  EXPECT_EQ(FreeImg(nullptr), 0);
}

// The cache is guarded by its own lock: threads sharing one file at the same time
// leave it consistent, and the image goes with its last holder.
struct SharedLoads {
  std::wstring path;
  LONG failures = 0;
};

DWORD WINAPI LoadAndFreeShared(LPVOID arg) {
  auto& loads = *static_cast<SharedLoads*>(arg);
  for (int i = 0; i < 3000; ++i) {
    HANDLE image = LoadImg(loads.path.c_str(), 0, 0, 4);
    if (!image || ImgWidth(image) != 2) InterlockedIncrement(&loads.failures);
    if (image && !FreeImg(image)) InterlockedIncrement(&loads.failures);
  }
  return 0;
}

TEST_F(ImageFiles, SharedLoadsFromSeveralThreadsKeepTheCacheWhole) {
  SharedLoads loads{WriteFixture(L"threads.png", kelvra::test::MakePng(2, 2, kQuad))};
  HANDLE kept = LoadImg(loads.path.c_str(), 0, 0, 4);  // one holder throughout
  ASSERT_TRUE(kept);
  HANDLE threads[3];
  for (HANDLE& thread : threads) thread = CreateThread(nullptr, 0, LoadAndFreeShared, &loads, 0, nullptr);
  WaitForMultipleObjects(3, threads, TRUE, 60000);
  for (HANDLE thread : threads) CloseHandle(thread);
  EXPECT_EQ(loads.failures, 0);
  {
    std::lock_guard<std::mutex> guard(kelvra::ImageCacheLock());
    const kelvra::ImageUse* use = kelvra::TheImageCache().imageUseMap.Find(kelvra::HandleKey(kept));
    ASSERT_NE(use, nullptr);
    EXPECT_EQ(use->holders, 0) << "every other holder let go";
  }
  EXPECT_NE(FreeImg(kept), 0);
  EXPECT_EQ(GetObjectType(kept), 0u);
}

}  // namespace
