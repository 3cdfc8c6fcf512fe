// The decoders the image runtime tries, in order. BMP is always there; PNG and
// JPEG are registered by the library's start (steps::RegisterImageDecoders).
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/image/decode/image_decode.h"

namespace kelvra::image {

using DecodeFunction = bool (*)(const uint8_t* data, size_t size, PixelBuffer& out);
// Adds a decoder (once; a second registration of the same function is ignored).
void RegisterDecoder(DecodeFunction decoder);
// The first registered decoder that accepts the data wins.
bool DecodeWithRegisteredDecoders(const uint8_t* data, size_t size, PixelBuffer& out);

}  // namespace kelvra::image
