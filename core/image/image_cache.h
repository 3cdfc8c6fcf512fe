// ImgPathDirectory and the ImageCache (ImagePathMap + ImageUseMap): loading image
// files, sharing them between holders and releasing them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/library/string_map.h"

namespace kelvra {

struct ImageUse {
  int32_t holders = 0;  // 0 for the first holder, one more for each further one
  std::wstring file;    // the ImagePathMap key
};

struct ImageCache {
  StringMap<HANDLE> imagePathMap{64};  // LoadImg's file argument as given -> handle
  StringMap<ImageUse> imageUseMap{64}; // handle as signed decimal -> use
};
ImageCache& TheImageCache();
std::wstring& ImgPathDirectory();

enum LoadImageFlags : int32_t { kLoadAsIcon = 2, kLoadShared = 4 };

// LoadImg: an icon or a 32-bit DIB-section bitmap, or 0.
HANDLE LoadImageFile(const std::wstring& file, int width, int height, int32_t flags);
// FreeImg: drops one holder of a shared image, or destroys the image.
int FreeImage(HANDLE image);

}  // namespace kelvra
