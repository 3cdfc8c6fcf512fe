// What panels know about border images: where a border image's frame ends (its
// slice rectangle) and the mask that shapes it. Used by the border image sets of
// the core; the panels fill in the real search when they are built.
#pragma once

#include <memory>

#include "core/border/border_image_geometry.h"

namespace kelvra::image {
class RuntimeImage;
}

namespace kelvra {

// The slice rectangle of a border image given without one. Until panels are
// built nothing is found: the answer is the whole image, a frame of width 0.
SliceRect FindBorderImageMargins(const image::RuntimeImage& borderImage);

// A 32-bit mask of the border image: non-zero where a clip region must cut the
// frame away. Until panels are built the mask marks the fully transparent pixels
// of the border image (0xFFFFFFFF there, 0 elsewhere). nullptr on failure.
std::unique_ptr<image::RuntimeImage> CreateBorderMaskImage(const image::RuntimeImage& borderImage);

}  // namespace kelvra
