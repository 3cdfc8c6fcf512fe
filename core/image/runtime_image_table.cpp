// The numbered table of runtime images.
#include <algorithm>
#include <map>

#include "core/image/runtime_image.h"

namespace kelvra::image {
namespace {

constexpr intptr_t kLastNumber = 0xFFFF;

struct Table {
  std::map<intptr_t, std::unique_ptr<RuntimeImage>> images;
  intptr_t next = 1;
  size_t capacity = kRuntimeImageTableCapacity;
};
Table& TheTable() {
  static Table table;
  return table;
}

}  // namespace

int32_t AddRuntimeImage(std::unique_ptr<RuntimeImage>& image) {
  if (!image) return 0;
  Table& table = TheTable();
  if (table.images.size() >= table.capacity) return 0;
  // Numbers are reused only after wrapping around, so a stale number rarely
  // names a newer image.
  for (intptr_t tries = 0; tries < kLastNumber; ++tries) {
    const intptr_t number = table.next;
    table.next = number == kLastNumber ? 1 : number + 1;
    if (!table.images.count(number)) {
      table.images.emplace(number, std::move(image));
      return static_cast<int32_t>(number);
    }
  }
  return 0;
}

size_t RuntimeImageCount() { return TheTable().images.size(); }

void SetRuntimeImageTableCapacity(size_t capacity) {
  TheTable().capacity = std::min(capacity, kRuntimeImageTableCapacity);
}

RuntimeImage* FindRuntimeImage(intptr_t number) {
  auto& images = TheTable().images;
  auto it = images.find(number);
  return it == images.end() ? nullptr : it->second.get();
}

bool IsRuntimeImageNumber(intptr_t value) { return FindRuntimeImage(value) != nullptr; }

HBITMAP BitmapOfImage(intptr_t numberOrBitmap) {
  if (RuntimeImage* image = FindRuntimeImage(numberOrBitmap)) return image->Bitmap();
  return reinterpret_cast<HBITMAP>(numberOrBitmap);
}

std::unique_ptr<RuntimeImage> TakeRuntimeImage(intptr_t number) {
  auto& images = TheTable().images;
  auto it = images.find(number);
  if (it == images.end()) return nullptr;
  auto image = std::move(it->second);
  images.erase(it);
  return image;
}

bool FreeRuntimeImage(intptr_t number) { return TakeRuntimeImage(number) != nullptr; }

void FreeAllRuntimeImages() { TheTable().images.clear(); }

}  // namespace kelvra::image
