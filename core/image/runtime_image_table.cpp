// The numbered table of runtime images, guarded by its own lock.
#include <algorithm>
#include <map>
#include <mutex>

#include "core/image/runtime_image.h"

namespace kelvra::image {
namespace {

constexpr intptr_t kLastNumber = 0xFFFF;

struct Table {
  std::mutex lock;  // RuntimeImageTableLock: the map, `next` and `capacity`
  std::map<intptr_t, std::unique_ptr<RuntimeImage>> images;
  intptr_t next = 1;
  size_t capacity = kRuntimeImageTableCapacity;
};
Table& TheTable() {
  static Table* table = new Table();
  return *table;
}

}  // namespace

int32_t AddRuntimeImage(std::unique_ptr<RuntimeImage>& image) {
  if (!image) return 0;
  Table& table = TheTable();
  std::lock_guard<std::mutex> guard(table.lock);
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

size_t RuntimeImageCount() {
  Table& table = TheTable();
  std::lock_guard<std::mutex> guard(table.lock);
  return table.images.size();
}

void SetRuntimeImageTableCapacity(size_t capacity) {
  Table& table = TheTable();
  std::lock_guard<std::mutex> guard(table.lock);
  table.capacity = std::min(capacity, kRuntimeImageTableCapacity);
}

RuntimeImage* FindRuntimeImage(intptr_t number) {
  Table& table = TheTable();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.images.find(number);
  return it == table.images.end() ? nullptr : it->second.get();
}

bool IsRuntimeImageNumber(intptr_t value) { return FindRuntimeImage(value) != nullptr; }

HBITMAP BitmapOfImage(intptr_t numberOrBitmap) {
  if (RuntimeImage* image = FindRuntimeImage(numberOrBitmap)) return image->Bitmap();
  return reinterpret_cast<HBITMAP>(numberOrBitmap);
}

std::unique_ptr<RuntimeImage> TakeRuntimeImage(intptr_t number) {
  Table& table = TheTable();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.images.find(number);
  if (it == table.images.end()) return nullptr;
  auto image = std::move(it->second);
  table.images.erase(it);
  return image;
}

bool FreeRuntimeImage(intptr_t number) {
  // Taken out under the lock, destroyed (DeleteObject) after it.
  return TakeRuntimeImage(number) != nullptr;
}

void FreeAllRuntimeImages() {
  std::map<intptr_t, std::unique_ptr<RuntimeImage>> images;
  {
    Table& table = TheTable();
    std::lock_guard<std::mutex> guard(table.lock);
    images.swap(table.images);
  }
}

}  // namespace kelvra::image
