// What a border image given without a slice rectangle or a mask says about
// itself: where its frame ends (the inner, stretchable rectangle) and which of its
// pixels are the frame's body. Pure: pixels in, numbers out.
#pragma once

#include <optional>

#include "core/border/border_image_geometry.h"
#include "core/image/decode/image_decode.h"

namespace kelvra {

// The grey level pixels are compared by: round(0.2989 R + 0.5870 G + 0.1140 B).
int BorderGreyLevel(uint32_t argb);

// The inner rectangle of a frame, found by four probes walking in from the
// middles of the edges to the darkest, most opaque pixel of the frame and on to
// the first pixel that looks like the centre. nullopt for an image without size.
std::optional<SliceRect> FindBorderMargins(const image::PixelBuffer& image);

// A mask of the image's size: opaque white (0xFFFFFFFF) over the frame's body and
// the corners outside a rounded frame, transparent black (0) over what the frame
// encloses. nullopt when the image has no size or its centre reads as frame (a
// flat face, or a face too close to its edge's colour): such an image gives no
// mask, so nothing gets clipped.
std::optional<image::PixelBuffer> BuildBorderMask(const image::PixelBuffer& image);

}  // namespace kelvra
