// The image lists of a button: one per visual state, 32-bit with a mask, holding
// one image: an icon, or a bitmap whose pure green (0x00FF00) is transparent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/platform/win_handles.h"

namespace kelvra {

// Adds `image` (an icon, else a bitmap masked with pure green; the caller's image
// is not changed) to `list`. False when it is neither or the list refuses it.
bool AddButtonImage(HIMAGELIST list, HANDLE image);

// A new list of width x height holding `image`; empty when the list cannot be
// made or the image cannot be added.
UniqueImageList MakeButtonImageList(int width, int height, HANDLE image);

// Whether the list exists and holds an image.
bool HoldsImage(HIMAGELIST list);

}  // namespace kelvra
