// The colour, gradient and image exports called through Kelvra.dll's import
// library, so that 32-bit float arguments cross the real stdcall boundary.
#include <gtest/gtest.h>

#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace {

TEST(ColourImageDll, ColourArithmetic) {
  EXPECT_EQ(MakeColour(255, 1, 2, 3), int(0xFF010203));
  EXPECT_EQ(MakeColor(1, 0, 0, 0), 0x01000000);
  EXPECT_EQ(MakeRGB(1, 2, 3), 0x030201);
  EXPECT_EQ(AlphaBlendColour(0, 0xFFFFFF, 128), 0x7F7F7F);
  EXPECT_EQ(AlphaBlendColor(0x123456, 0, 0), 0x123456);
}

TEST(ColourImageDll, GradientFloatsArriveExactly) {
  HANDLE g = CreateGradient(0, MakeColour(255, 0, 0, 0), MakeColour(255, 255, 255, 255));
  ASSERT_TRUE(g);
  EXPECT_EQ(SetGradientColour(g, 0.7f, 7), 1);
  EXPECT_EQ(SetGradientColour(g, 0.30000001f, 3), 1);
  EXPECT_EQ(GetGradientColour(g, 0.7f), 7);
  EXPECT_EQ(GetGradientColour(g, 0.30000001f), 3);
  EXPECT_EQ(GetGradientColour(g, 0.3000002f), -1);
  EXPECT_EQ(SetGradientColour(g, 0.0f, 0x10), 1);
  EXPECT_EQ(GetGradientColour(g, 0.0f), 0x10);
  EXPECT_EQ(RemoveGradientColour(g, 0.7f), 1);
  EXPECT_EQ(RemoveGradientColour(g, 0.7f), 0);
  EXPECT_EQ(RemoveGradientColour(g, -1.0f), 1);
  EXPECT_EQ(GetGradientColour(g, 0.30000001f), -1);
  EXPECT_EQ(FreeGradient(g), 1);
  EXPECT_EQ(GetGradientColour(g, 0.0f), -2);
  EXPECT_EQ(FreeGradient(g), 0);
}

TEST(ColourImageDll, ImagesAndFloatArguments) {
  // A 2x2 24-bit BMP: bottom row blue, white; top row red, green.
  const uint8_t bmp[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
                         40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                         255, 0, 0, 255, 255, 255, 0, 0,
                         0, 0, 255, 0, 255, 0, 0, 0};
  const std::wstring path = kelvra::test::TempPath(L"dll.bmp");
  ASSERT_TRUE(kelvra::test::WriteFileBytes(path, bmp, sizeof(bmp)));
  HANDLE image = LoadImg(path.c_str(), 0, 0, 0);
  ASSERT_TRUE(image);
  EXPECT_EQ(ImgWidth(image), 2);
  EXPECT_EQ(ImgHeight(image), 2);
  HANDLE big = LoadImg(path.c_str(), 5, 0, 0);
  EXPECT_EQ(ImgWidth(big), 5);
  EXPECT_EQ(ImgHeight(big), 2);
  FreeImg(big);

  // alpha 128.0f, brightness -300.0f: if any float were passed as an integer or a
  // double the pixels would come out other than black at half alpha.
  HANDLE dark = ImgBlend(image, 128.0f, 0.0f, -300.0f, 0, 0.0f, 0);
  ASSERT_TRUE(dark);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  uint32_t pixels[4] = {};
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_EQ(GetDIBits(dc, static_cast<HBITMAP>(dark), 0, 2, pixels, &info, DIB_RGB_COLORS), 2);
  for (uint32_t p : pixels) EXPECT_EQ(p, 0x80000000u);
  HANDLE hued = ImgHueBlend(image, 255.0f, MakeRGB(0, 255, 0), 0.0f, 1.0f, 0, 0.0f, 0);
  ASSERT_TRUE(hued);
  ASSERT_EQ(GetDIBits(dc, static_cast<HBITMAP>(hued), 0, 2, pixels, &info, DIB_RGB_COLORS), 2);
  for (uint32_t p : pixels) EXPECT_EQ(p, 0xFFFFFFFFu) << "lightness 1.0f is white";
  HANDLE tinted = ImgHueBlend(image, 64.0f, 0, 0.0f, 0.5f, MakeRGB(0, 0, 255), 256.0f, 2);
  ICONINFO icon{};
  ASSERT_TRUE(GetIconInfo(static_cast<HICON>(tinted), &icon));
  DeleteObject(icon.hbmColor);
  DeleteObject(icon.hbmMask);
  DeleteDC(dc);
  for (HANDLE h : {dark, hued, tinted, image}) EXPECT_NE(FreeImg(h), 0);
  EXPECT_EQ(ImgPath(L""), 1);
  EXPECT_EQ(LoadImg(L"dll.bmp", 0, 0, 0), nullptr);
}

}  // namespace
