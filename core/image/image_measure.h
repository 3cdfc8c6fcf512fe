// The size of an image handle: a bitmap, or an icon measured by its bitmaps.
#pragma once

#include <windows.h>

namespace kelvra {

// Writes the image's size; 1 for an icon (measured by its colour bitmap, or by its
// mask, which is twice the icon's height, when it has none), 0 otherwise.
int GetImageDimensions(HANDLE image, int* width, int* height);
// The same, but an icon without a colour bitmap measures 0 by 0 (ImgWidth/ImgHeight).
int MeasureImage(HANDLE image, int* width, int* height, bool maskWhenNoColour);

}  // namespace kelvra
