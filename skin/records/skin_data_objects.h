// SkinDataObject registry: the data that skins attach to properties and release
// themselves (built gradients and fonts, a caller's gradients, icons, images,
// drawn bitmaps and memory blocks of file data), each with the number of skins
// that hold it. CopySkin shares handles, so the last skin holding an object
// releases it. Handles never registered stay their owner's (a caller's HFONT).
#pragma once

#include <cstddef>
#include <cstdint>

#include "skin/records/skin_record.h"

namespace kelvra {

enum class SkinDataRelease : uint8_t {
  Gradient,     // FreeGradient, when it still is one
  Font,         // DeleteObject, when it still is a font
  Icon,         // DestroyIcon
  Bitmap,       // DeleteObject (drawn or decoded images)
  MemoryBlock,  // the registry's own block (NewSkinMemoryBlock)
};

// Declares that skins own `handle` and how the last of them releases it (nothing
// for 0). Registering a handle again sets its kind and keeps its holders.
void RegisterSkinDataObject(uintptr_t handle, SkinDataRelease release);
bool IsSkinDataObject(uintptr_t handle);
// The number of skins holding a registered object; 0 otherwise.
int32_t SkinDataUses(uintptr_t handle);

// A registered block of `size` bytes (copied from `bytes` when given, else
// zeroed); 0 when it cannot be had. Its address is the handle.
uintptr_t NewSkinMemoryBlock(const void* bytes, std::size_t size);

// Sets a property's kind and data. A registered object (or a caller's gradient,
// which is registered here) joins the skin's holdings; the data it replaces stays
// held until the skin is freed.
void AttachSkinPropertyData(SkinRecord& skin, SkinPropertyRecord& property, int32_t kind, uintptr_t data);

// CopySkin: `copy` holds everything `source` holds, one more use each.
void ShareSkinData(const SkinRecord& source, SkinRecord& copy);
// FreeSkin: drops the skin's use of each object it holds; objects without
// holders are released.
void ReleaseSkinData(SkinRecord& skin);

// Releases an object no skin holds (one built and superseded before any skin
// handed it out).
void DiscardSkinDataObject(uintptr_t handle);

}  // namespace kelvra
