// Exports of images: thin shims over the image cache, measuring and recolouring.
#include "kelvra.h"

#include <string>

#include "core/image/image_cache.h"
#include "core/image/image_measure.h"
#include "core/image/image_recolour.h"

extern "C" {

KELVRA_API int KELVRA_CALL ImgPath(LPCWSTR directory) {
  try {
    std::wstring text = directory ? directory : L"";
    if (text.empty() || text.back() != L'\\') text += L'\\';
    kelvra::SetImgPathDirectory(std::move(text));
    return 1;
  } catch (...) {
    return 0;
  }
}

KELVRA_API HANDLE KELVRA_CALL LoadImg(LPCWSTR file, int width, int height, int flags) {
  try {
    if (!file) return nullptr;
    return kelvra::LoadImageFile(file, width, height, flags);
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL ImgWidth(HANDLE image) {
  int width = 0, height = 0;
  kelvra::MeasureImage(image, &width, &height, false);
  return width;
}

KELVRA_API int KELVRA_CALL ImgHeight(HANDLE image) {
  int width = 0, height = 0;
  kelvra::MeasureImage(image, &width, &height, false);
  return height;
}

KELVRA_API int KELVRA_CALL FreeImg(HANDLE image) {
  try {
    return kelvra::FreeImage(image);
  } catch (...) {
    return 0;
  }
}

KELVRA_API HANDLE KELVRA_CALL ImgBlend(HANDLE image, float alpha, float contrast, float brightness, int colour,
                                      float amount, int flags) {
  try {
    kelvra::BlendSettings settings;
    settings.alpha = alpha;
    settings.contrast = contrast;
    settings.brightness = brightness;
    settings.colour = colour;
    settings.amount = amount;
    return kelvra::BlendImage(image, settings, flags);
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HANDLE KELVRA_CALL ImgHueBlend(HANDLE image, float alpha, int colour, float saturationShift,
                                         float lightness, int blendColour, float amount, int flags) {
  try {
    kelvra::HueBlendSettings settings;
    settings.alpha = alpha;
    settings.colour = colour;
    settings.saturationShift = saturationShift;
    settings.lightness = lightness;
    settings.blendColour = blendColour;
    settings.amount = amount;
    return kelvra::HueBlendImage(image, settings, flags);
  } catch (...) {
    return nullptr;
  }
}

}  // extern "C"
