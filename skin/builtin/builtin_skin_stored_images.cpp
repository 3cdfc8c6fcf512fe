// Decoding of the built-in skins' stored PNGs. The images are shared by every
// built-in skin ever built, so they outlive any one skin; nothing frees them before
// the process ends.
#include "skin/builtin/builtin_skin_stored_images.h"

#include <array>
#include <memory>

#include "core/image/runtime_image.h"

namespace kelvra {

namespace {

constexpr auto kCount = static_cast<std::size_t>(StoredSkinImage::Count);

struct StoredImages {
  bool decoded = false;
  int decodeCount = 0;
  std::array<std::unique_ptr<image::RuntimeImage>, kCount> images;
};

StoredImages& Stored() {
  static StoredImages stored;
  return stored;
}

}  // namespace

void DecodeStoredSkinImages() {
  auto& stored = Stored();
  if (stored.decoded) return;
  stored.decoded = true;
  ++stored.decodeCount;
  for (std::size_t i = 0; i < kCount; ++i) {
    const auto file = StoredSkinPng(static_cast<StoredSkinImage>(i));
    stored.images[i] = image::DecodeMemory(file.data(), file.size());
  }
}

HBITMAP StoredSkinImageBitmap(StoredSkinImage image) {
  const auto index = static_cast<std::size_t>(image);
  if (index >= kCount || !Stored().images[index]) return nullptr;
  return Stored().images[index]->Bitmap();
}

int StoredSkinImageDecodeCount() { return Stored().decodeCount; }

}  // namespace kelvra
