// The pictures the build draws for the showcase, read as the program reads them:
// with LoadImg from icons\ under the working directory (the program's folder).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace {

// The picture's pixels as 0xAARRGGBB, top row first.
std::vector<uint32_t> ReadPixels(HANDLE image, int width, int height) {
  auto pixels = kelvra::test::ReadBitmapPixels(static_cast<HBITMAP>(image), width, height);
  EXPECT_EQ(pixels.size(), size_t(width) * height);
  return pixels;
}

uint32_t Alpha(uint32_t pixel) { return pixel >> 24; }

struct Picture {
  const wchar_t* file;
  int width, height;
};

TEST(ShowcasePictures, EveryPictureLoadsAtItsSize) {
  const Picture pictures[] = {
      {L"icons\\newlogo2_256x256.png", 256, 256}, {L"icons\\quarlinbox\\downloadpanel_border.png", 64, 64},
      {L"icons\\border.png", 32, 32},            {L"icons\\star.png", 128, 128},
      {L"icons\\star2.png", 128, 128},            {L"icons\\star3.png", 128, 128},
      {L"icons\\stars.jpg", 256, 256},
  };
  for (const Picture& picture : pictures) {
    HANDLE image = LoadImg(picture.file, 0, 0, 0);
    ASSERT_NE(image, nullptr) << "missing or unreadable: " << testing::PrintToString(std::wstring(picture.file));
    EXPECT_EQ(ImgWidth(image), picture.width);
    EXPECT_EQ(ImgHeight(image), picture.height);
    FreeImg(image);
  }
}

TEST(ShowcasePictures, StarsAreSoftWithClearEdgesAndAnOpaqueCore) {
  for (const wchar_t* file : {L"icons\\star.png", L"icons\\star2.png", L"icons\\star3.png"}) {
    HANDLE image = LoadImg(file, 0, 0, 0);
    ASSERT_NE(image, nullptr);
    const auto pixels = ReadPixels(image, 128, 128);
    int clear = 0, opaque = 0, graded = 0;
    for (uint32_t pixel : pixels) {
      const uint32_t alpha = Alpha(pixel);
      clear += alpha == 0;
      opaque += alpha == 255;
      graded += alpha > 0 && alpha < 255;
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(opaque, 0);
    EXPECT_GT(graded, 1000) << "a soft glow, not a hard disc";
    EXPECT_EQ(Alpha(pixels[64 * 128 + 64]), 255u);
    for (int i = 0; i < 128; ++i) {
      EXPECT_EQ(Alpha(pixels[i]), 0u) << "top edge";
      EXPECT_EQ(Alpha(pixels[i * 128]), 0u) << "left edge";
    }
    FreeImg(image);
  }
}

// The shape a border finder needs: opaque frame at the middle of every edge,
// transparent rounded corners outside the frame and a fully transparent inside.
TEST(ShowcasePictures, BordersAreOpaqueFramesAroundAClearInside) {
  struct Border {
    const wchar_t* file;
    int size, thickness;
  };
  for (const Border& border : {Border{L"icons\\quarlinbox\\downloadpanel_border.png", 64, 8},
                               Border{L"icons\\border.png", 32, 3}}) {
    HANDLE image = LoadImg(border.file, 0, 0, 0);
    ASSERT_NE(image, nullptr);
    const int n = border.size, mid = n / 2;
    const auto pixels = ReadPixels(image, n, n);
    auto at = [&](int x, int y) { return pixels[y * n + x]; };
    for (int d = 0; d < border.thickness; ++d) {
      EXPECT_EQ(Alpha(at(mid, d)), 255u);
      EXPECT_EQ(Alpha(at(d, mid)), 255u);
      EXPECT_EQ(Alpha(at(mid, n - 1 - d)), 255u);
      EXPECT_EQ(Alpha(at(n - 1 - d, mid)), 255u);
    }
    for (int y = border.thickness; y < n - border.thickness; ++y)
      for (int x = border.thickness; x < n - border.thickness; ++x) ASSERT_EQ(Alpha(at(x, y)), 0u) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}})
      EXPECT_EQ(Alpha(at(x, y)), 0u) << "rounded corner " << x << "," << y;
    // Walking in from an edge the frame gets darker or stays: its inner line is darkest.
    const auto grey = [](uint32_t p) { return 299 * ((p >> 16) & 255) + 587 * ((p >> 8) & 255) + 114 * (p & 255); };
    for (int d = 1; d < border.thickness; ++d) EXPECT_LE(grey(at(mid, d)), grey(at(mid, d - 1)));
    FreeImg(image);
  }
}

TEST(ShowcasePictures, TheLogoStandsOnATransparentGround) {
  HANDLE image = LoadImg(L"icons\\newlogo2_256x256.png", 256, 256, 0);
  ASSERT_NE(image, nullptr);
  const auto pixels = ReadPixels(image, 256, 256);
  EXPECT_EQ(Alpha(pixels[0]), 0u);
  EXPECT_EQ(Alpha(pixels[255 * 256 + 255]), 0u);
  int opaque = 0;
  for (uint32_t pixel : pixels) opaque += Alpha(pixel) == 255;
  EXPECT_GT(opaque, 5000);
  FreeImg(image);
}

}  // namespace
