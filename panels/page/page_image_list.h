// The image of a page's background or overlay set, held in a one-image list.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/panel/panel_record.h"

namespace kelvra {

// Replaces the set's image with `image` (an icon or a bitmap, which stays the
// caller's) at width x height; a 0 takes the image's own width or height. With
// kImageMasked a bitmap's white pixels become transparent. When no list can be
// made the set is left without an image. Returns whether it has one.
bool SetPageImage(PageImageSet& set, HANDLE image, int32_t width, int32_t height, int32_t flags);

}  // namespace kelvra
