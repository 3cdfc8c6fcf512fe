// Choosing an image from an .ico file's directory.
#include "skin/files/ico_directory.h"

namespace kelvra {

namespace {

constexpr std::size_t kHeaderBytes = 6, kEntryBytes = 16;

uint32_t Read16(std::span<const uint8_t> at, std::size_t i) { return at[i] | at[i + 1] << 8; }
uint32_t Read32(std::span<const uint8_t> at, std::size_t i) {
  return at[i] | at[i + 1] << 8 | at[i + 2] << 16 | static_cast<uint32_t>(at[i + 3]) << 24;
}

}  // namespace

std::optional<IcoImage> PickIcoImage(std::span<const uint8_t> file, int wantedWidth, int wantedHeight) {
  if (file.size() < kHeaderBytes || Read16(file, 0) != 0 || Read16(file, 2) != 1) return std::nullopt;
  const std::size_t count = Read16(file, 4);
  if (count == 0 || file.size() - kHeaderBytes < count * kEntryBytes) return std::nullopt;

  std::optional<IcoImage> exact, larger, largest;
  uint32_t exactBits = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kHeaderBytes + i * kEntryBytes;
    IcoImage image;
    image.width = file[at] ? file[at] : 256;
    image.height = file[at + 1] ? file[at + 1] : 256;
    image.size = Read32(file, at + 8);
    image.offset = Read32(file, at + 12);
    const uint32_t bits = Read16(file, at + 6);
    if (wantedWidth <= 0 || wantedHeight <= 0) {
      exact = image;
      break;
    }
    const auto area = [](const IcoImage& x) { return int64_t{x.width} * x.height; };
    if (image.width == wantedWidth && image.height == wantedHeight) {
      if (!exact || bits > exactBits) exact = image, exactBits = bits;
    } else if (image.width >= wantedWidth && image.height >= wantedHeight) {
      if (!larger || area(image) < area(*larger)) larger = image;
    }
    if (!largest || area(image) > area(*largest)) largest = image;
  }
  std::optional<IcoImage> chosen = exact ? exact : larger ? larger : largest;
  if (!chosen || chosen->size == 0 || chosen->offset > file.size() || chosen->size > file.size() - chosen->offset)
    return std::nullopt;
  return chosen;
}

}  // namespace kelvra
