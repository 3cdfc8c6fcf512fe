// ImgPathDirectory and the ImageCache (ImagePathMap + ImageUseMap): loading image
// files, sharing them between holders and releasing them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>

#include "core/library/string_map.h"

namespace kelvra {

struct ImageUse {
  int32_t holders = 0;  // 0 for the first holder, one more for each further one
  std::wstring file;    // the ImagePathMap key
};

// Thread safety: guarded by ImageCacheLock. The image exports may be called from
// any thread (a page painter or loader thread as well as the user-interface
// thread); the lock is held only around reads and writes of the maps and of
// ImgPathDirectory, never across reading a file, decoding, or a call out.
struct ImageCache {
  StringMap<HANDLE> imagePathMap{64};  // LoadImg's file argument as given -> handle
  StringMap<ImageUse> imageUseMap{64}; // handle as signed decimal -> use
};
std::mutex& ImageCacheLock();
// The maps; the caller holds ImageCacheLock.
ImageCache& TheImageCache();
// ImgPath's directory, read and set under ImageCacheLock.
std::wstring ImgPathDirectory();
void SetImgPathDirectory(std::wstring directory);

enum LoadImageFlags : int32_t { kLoadAsIcon = 2, kLoadShared = 4 };

// LoadImg: an icon or a 32-bit DIB-section bitmap, or 0.
HANDLE LoadImageFile(const std::wstring& file, int width, int height, int32_t flags);
// FreeImg: drops one holder of a shared image, or destroys the image.
int FreeImage(HANDLE image);

}  // namespace kelvra
