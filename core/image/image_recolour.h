// ImgBlend and ImgHueBlend over icons and bitmaps: a new upright 32-bit image.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/image/image_recolour_pixels.h"

namespace kelvra {

enum RecolourFlags : int32_t { kRecolourGreyscale = 1, kRecolourAsIcon = 2, kRecolourFreeSource = 4 };

HANDLE BlendImage(HANDLE image, BlendSettings settings, int32_t flags);
HANDLE HueBlendImage(HANDLE image, HueBlendSettings settings, int32_t flags);

}  // namespace kelvra
