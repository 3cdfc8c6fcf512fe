// Colour arithmetic, colour-space conversions and the per-pixel recolouring maths:
// the pure functions behind MakeColour, MakeRGB, AlphaBlendColour and ImgBlend.
#include <gtest/gtest.h>

#include <cmath>

#include "core/colour/colour_math.h"
#include "core/image/image_colour_space.h"
#include "core/image/image_recolour_pixels.h"

namespace {

struct ColourCase {
  const char* what;
  int32_t result, expected;
};

TEST(ColourMath, Table) {
  const ColourCase cases[] = {
      {"MakeColour packs ARGB", kelvra::MakeArgb(255, 1, 2, 3), int32_t(0xFF010203)},
      {"MakeColor is MakeColour", kelvra::MakeArgb(0x80, 0x10, 0x20, 0x30), int32_t(0x80102030)},
      {"MakeColour does not mask: 256 red spills into alpha", kelvra::MakeArgb(0, 256, 0, 0), 0x01000000},
      {"MakeColour ORs overlapping bits", kelvra::MakeArgb(0, 0, 0x1FF, 0), 0x0001FF00},
      {"MakeRGB packs red low", kelvra::MakeRgbValue(1, 2, 3), 0x030201},
      {"MakeRGB sums unmasked", kelvra::MakeRgbValue(256, 0, 0), 0x000100},
      {"MakeRGB carries", kelvra::MakeRgbValue(255, 255 + 1, 0), 0x0100FF + 0},
      {"AlphaBlend half of black to white", kelvra::AlphaBlendRgb(0x000000, 0xFFFFFF, 128), 0x7F7F7F},
      {"AlphaBlend 0 gives colour1 without top byte", kelvra::AlphaBlendRgb(int32_t(0xAA123456), 0xFFFFFF, 0), 0x123456},
      {"AlphaBlend 256 gives colour2", kelvra::AlphaBlendRgb(0x123456, int32_t(0xEE654321), 256), 0x654321},
      {"AlphaBlend per channel", kelvra::AlphaBlendRgb(0x0000FF, 0x00FF00, 64), 0x003FBF},
      {"ShadeColour 255 is black", kelvra::ShadeColour(255, 0x7F80FF), 0},
      {"ShadeColour 0 drops top byte", kelvra::ShadeColour(0, int32_t(0xFF123456)), 0x123456},
      {"ShadeColour truncates", kelvra::ShadeColour(128, 0x0000FF), 0x00007F},  // 255 - trunc(128.0) = 127
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
  EXPECT_EQ(kelvra::ShadeColourChannel(200, 100), 200 - 78);  // trunc(200 * 100 / 255.0) = 78
}

TEST(ColourSpace, RgbToHsvAndHslToRgb) {
  struct Case { int32_t rgb; float hue, saturation, value; } cases[] = {
      {0x0000FF, 0, 1, 1},          // red
      {0x00FF00, 120, 1, 1},        // green
      {0xFF0000, 240, 1, 1},        // blue
      {0xFF00FF, 300, 1, 1},        // magenta: red ties with blue and wins, hue negative + 360
      {0x808080, 0, 0, 128 / 255.0f},
      {0x000000, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const auto hsv = kelvra::RgbToHsv(c.rgb);
    EXPECT_NEAR(hsv.hue, c.hue, 1e-4) << std::hex << c.rgb;
    EXPECT_NEAR(hsv.saturation, c.saturation, 1e-6) << std::hex << c.rgb;
    EXPECT_NEAR(hsv.value, c.value, 1e-6) << std::hex << c.rgb;
  }
  EXPECT_EQ(kelvra::HslToRgb(0, 1, 0.5f), 0x0000FF);
  EXPECT_EQ(kelvra::HslToRgb(120, 1, 0.5f), 0x00FF00);
  EXPECT_EQ(kelvra::HslToRgb(240, 1, 0.5f), 0xFF0000);
  EXPECT_EQ(kelvra::HslToRgb(0, 0, 0.5f), 0x7F7F7F);  // truncate(0.5 * 255)
  EXPECT_EQ(kelvra::HslToRgb(0, 1, 1.0f), 0xFFFFFF);
  EXPECT_EQ(kelvra::HslToRgb(0, 1, 0.0f), 0);
}

TEST(RecolourPixels, BlendSteps) {
  kelvra::BlendSettings s;
  s.Prepare();
  EXPECT_EQ(kelvra::BlendColour(0x00123456, s), 0x123456u) << "neutral settings keep the pixel";
  s.greyscale = true;
  // grey = round(0.2989*255) = 76
  EXPECT_EQ(kelvra::BlendColour(0x00FF0000, s), 0x4C4C4Cu);
  s.greyscale = false;
  s.amount = 256;
  s.colour = 0x0000FF;  // RGB red
  EXPECT_EQ(kelvra::BlendColour(0x0000FF00, s), 0xFF0000u) << "amount 256 gives the colour";
  s.amount = 128;
  s.colour = 0x000001;
  // (1 * 128 + 0 * 128) / 256 = 0.5 rounds to even: 0
  EXPECT_EQ(kelvra::BlendColour(0, s), 0u);
  s.amount = 0;
  s.brightness = 300;
  EXPECT_EQ(kelvra::BlendColour(0x00102030, s), 0xFFFFFFu) << "brightness clamps";
  s.brightness = 0;
  s.contrast = 255;
  s.Prepare();
  EXPECT_EQ(kelvra::BlendColour(0x0081807F, s), 0xFF8000u) << "strong contrast pushes from 128";
}

TEST(RecolourPixels, ContrastNeverDividesByZero) {
  // 259 zeroes the contrast factor's divisor; beyond it the factor turns negative.
  for (float contrast : {259.0f, 259.5f, 1000.0f, INFINITY, NAN, -1000.0f}) {
    kelvra::BlendSettings s;
    s.contrast = contrast;
    s.Prepare();
    EXPECT_TRUE(std::isfinite(s.contrast)) << contrast;
    EXPECT_LE(s.contrast, 255.0f);
    EXPECT_GE(s.contrast, -255.0f);
    const uint32_t out = kelvra::BlendColour(0x00C04020, s);
    EXPECT_LE(out, 0xFFFFFFu);
  }
  kelvra::BlendSettings high;
  high.contrast = 259;
  high.Prepare();
  EXPECT_EQ(kelvra::BlendColour(0x00C04080, high), 0xFF0080u) << "clamped to the steepest defined contrast";
}

TEST(RecolourPixels, AlphaAndHue) {
  EXPECT_EQ(kelvra::BlendAlpha(255, 255), 255u);
  EXPECT_EQ(kelvra::BlendAlpha(255, 128), 128u);
  EXPECT_EQ(kelvra::BlendAlpha(0, 255), 0u);
  EXPECT_EQ(kelvra::BlendAlpha(-1, 200.5f), 200u) << "ties to even";
  kelvra::BlendSettings s;
  s.alpha = 0.5f;
  s.Prepare();
  EXPECT_EQ(s.alpha, 1.0f);
  s.alpha = 999;
  s.Prepare();
  EXPECT_EQ(s.alpha, 255.0f);

  kelvra::HueBlendSettings h;
  h.colour = 0x0000FF;  // red: hue 0, saturation 1
  h.lightness = 0.5f;
  h.Prepare();
  // White has luma 255: lightness 1 with any hue is white; mid-grey takes the hue.
  EXPECT_EQ(kelvra::HueBlendColour(0x00FFFFFF, h), 0xFFFFFFu);
  const uint32_t red = kelvra::HueBlendColour(0x00808080, h);  // HSL(0, 1, 128/255)
  EXPECT_EQ(red >> 16, 0xFFu);
  EXPECT_LE((red >> 8) & 0xFF, 1u);
  EXPECT_LE(red & 0xFF, 1u);
  h.lightness = 0;
  EXPECT_EQ(kelvra::HueBlendColour(0x00808080, h), 0u);
  h.lightness = 1;
  EXPECT_EQ(kelvra::HueBlendColour(0x00000000, h), 0xFFFFFFu);
  h.lightness = 0.5f;
  h.saturationShift = -5;  // clamps to 0: grey of the pixel's luma
  h.Prepare();
  EXPECT_EQ(h.saturation, 0.0f);
  EXPECT_EQ(kelvra::HueBlendColour(0x00808080, h), 0x808080u);
}

}  // namespace
