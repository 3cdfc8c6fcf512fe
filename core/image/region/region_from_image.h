// CreateRegionFromImage: a GDI region of an image's pixels that differ from a key.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra::image {
class RuntimeImage;
}

namespace kelvra {

// A new region (the caller deletes it) covering every pixel whose 32-bit value,
// colour and alpha, differs from `key`; empty when none does. nullptr only when
// GDI cannot make a region.
HRGN CreateRegionFromImage(const image::RuntimeImage& image, uint32_t key);

}  // namespace kelvra
