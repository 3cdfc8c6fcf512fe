// The directory of an .ico file: which of its images an icon of a wanted size is
// made from. Pure code: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kelvra {

struct IcoImage {
  int width = 0, height = 0;  // from the directory (0 there means 256)
  std::size_t offset = 0, size = 0;  // of the image's bytes in the file
};

// The image for a wanted size (0 by 0: the icon's own size, its first image):
// the exact size with the most colours, else the smallest larger one, else the
// largest. Nothing when the bytes are no icon file (reserved 0, type 1, at
// least one image) or the chosen image lies outside them.
std::optional<IcoImage> PickIcoImage(std::span<const uint8_t> file, int wantedWidth, int wantedHeight);

}  // namespace kelvra
