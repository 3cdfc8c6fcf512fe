// The twelve stored images of the built-in skins, decoded once and owned by the
// library until the process ends: skins only borrow their bitmaps.
#pragma once

#include <windows.h>

#include "skin/builtin/builtin_skin_png_data.h"

namespace kelvra {

// Decodes the twelve images on the first call; later calls do nothing.
void DecodeStoredSkinImages();
// The bitmap of a decoded image; 0 before the first DecodeStoredSkinImages or when
// the image could not be decoded.
HBITMAP StoredSkinImageBitmap(StoredSkinImage image);
// How many times the stored PNGs have been decoded in this process (once, or 0).
int StoredSkinImageDecodeCount();

}  // namespace kelvra
