// The SkinDataObject registry and the release of objects by their kind.
#include "skin/records/skin_data_objects.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <new>
#include <unordered_map>

#include "core/colour/gradient_list.h"

namespace kelvra {

namespace {

struct SkinDataObject {
  SkinDataRelease release = SkinDataRelease::Gradient;
  int32_t uses = 0;
  std::unique_ptr<unsigned char[]> block;  // MemoryBlock only
};

std::unordered_map<uintptr_t, SkinDataObject>& Registry() {
  static std::unordered_map<uintptr_t, SkinDataObject> registry;
  return registry;
}

// Only what still is a GDI object of that type: a handle someone else deleted may
// have been handed out again as something else.
void DeleteIfOfType(uintptr_t handle, DWORD type) {
  auto object = reinterpret_cast<HGDIOBJ>(handle);
  if (GetObjectType(object) == type) DeleteObject(object);
}

void Release(uintptr_t handle, const SkinDataObject& object) {
  switch (object.release) {
    case SkinDataRelease::Gradient:
      if (GradientRecord* gradient = FindGradient(reinterpret_cast<const void*>(handle)))
        GradientList().Remove(gradient);
      break;
    case SkinDataRelease::Font:
      DeleteIfOfType(handle, OBJ_FONT);
      break;
    case SkinDataRelease::Icon:
      DestroyIcon(reinterpret_cast<HICON>(handle));
      break;
    case SkinDataRelease::Bitmap:
      DeleteIfOfType(handle, OBJ_BITMAP);
      break;
    case SkinDataRelease::MemoryBlock:
      break;  // the entry owns the block
  }
}

void Unregister(uintptr_t handle) {
  auto& registry = Registry();
  auto it = registry.find(handle);
  if (it == registry.end()) return;
  // Take the entry out first: releasing must not find it half-gone.
  SkinDataObject object = std::move(it->second);
  registry.erase(it);
  Release(handle, object);
}

}  // namespace

void RegisterSkinDataObject(uintptr_t handle, SkinDataRelease release) {
  if (!handle) return;
  // A handle registered before belongs to an object that has died (a caller freed
  // it) or is this one registered again: either way the new kind holds, and the
  // skins that still list the handle keep counting, so nothing is released early.
  SkinDataObject& object = Registry()[handle];
  object.release = release;
  object.block.reset();
}

bool IsSkinDataObject(uintptr_t handle) { return Registry().count(handle) != 0; }

int32_t SkinDataUses(uintptr_t handle) {
  auto it = Registry().find(handle);
  return it == Registry().end() ? 0 : it->second.uses;
}

uintptr_t NewSkinMemoryBlock(const void* bytes, std::size_t size) {
  std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[size ? size : 1]());
  if (!block) return 0;
  if (bytes && size) std::memcpy(block.get(), bytes, size);
  const auto handle = reinterpret_cast<uintptr_t>(block.get());
  SkinDataObject& object = Registry()[handle];
  object.release = SkinDataRelease::MemoryBlock;
  object.block = std::move(block);
  return handle;
}

void AttachSkinPropertyData(SkinRecord& skin, SkinPropertyRecord& property, int32_t kind, uintptr_t data) {
  property.kind = kind;
  property.data = data;
  if (!data) return;
  auto& registry = Registry();
  auto it = registry.find(data);
  if (it == registry.end()) {
    // A gradient given by a caller goes with the skin, as it always has: the
    // button skinning builds gradients from colours and leaves them to the skin.
    if (kind != kSkinDataOther || !FindGradient(reinterpret_cast<const void*>(data))) return;
    it = registry.try_emplace(data, SkinDataObject{SkinDataRelease::Gradient, 0, nullptr}).first;
  }
  if (skin.heldData.insert(data).second) ++it->second.uses;
}

void ShareSkinData(const SkinRecord& source, SkinRecord& copy) {
  auto& registry = Registry();
  for (uintptr_t handle : source.heldData) {
    auto it = registry.find(handle);
    if (it != registry.end() && copy.heldData.insert(handle).second) ++it->second.uses;
  }
}

void ReleaseSkinData(SkinRecord& skin) {
  auto& registry = Registry();
  for (uintptr_t handle : skin.heldData) {
    auto it = registry.find(handle);
    if (it == registry.end()) continue;
    if (--it->second.uses <= 0) Unregister(handle);
  }
  skin.heldData.clear();
}

void DiscardSkinDataObject(uintptr_t handle) {
  if (SkinDataUses(handle) == 0) Unregister(handle);
}

}  // namespace kelvra
