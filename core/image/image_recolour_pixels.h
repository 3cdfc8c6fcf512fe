// The per-pixel arithmetic of ImgBlend and ImgHueBlend over straight 0xAARRGGBB
// pixels. Pure: no <windows.h>.
#pragma once

#include <cstdint>

namespace kelvra {

struct BlendSettings {
  float alpha = 255;       // clamped to 1..255 by Prepare
  float contrast = 0;      // clamped to -255..255 by Prepare
  float brightness = 0;
  int32_t colour = 0;      // RGB
  float amount = 0;        // 0 keeps the pixel, 256 gives the colour
  bool greyscale = false;
  // Clamps the inputs; done once before the pixels.
  void Prepare();
};

struct HueBlendSettings {
  float alpha = 255;
  int32_t colour = 0;      // RGB: gives hue and saturation
  float saturationShift = 0;
  float lightness = 0.5f;  // 0 black, 0.5 the pixel's own, 1 white
  int32_t blendColour = 0; // RGB
  float amount = 0;
  void Prepare();          // clamps alpha and works out hue and saturation
  float hue = 0, saturation = 0;
};

// The output alpha of one pixel: `sourceAlpha` is the 32-bit source's alpha
// byte (already with the icon mask folded in), or -1 for sources without alpha.
uint32_t BlendAlpha(int sourceAlpha, float alpha);
// The colour channels (0x00RRGGBB) of one recoloured pixel.
uint32_t BlendColour(uint32_t pixel, const BlendSettings& settings);
uint32_t HueBlendColour(uint32_t pixel, const HueBlendSettings& settings);
// One channel tinted toward `target` by amount/256, rounded half to even.
int TintChannel(int channel, int target, float amount);

}  // namespace kelvra
