// The SkinList: every skin in creation order, a skin's handle being its record's
// address. Skins join and leave only through AddSkin and RemoveSkin, which keep
// the case-blind name index beside the list. Pure code: no <windows.h>.
#pragma once

#include <memory>
#include <string_view>

#include "core/library/control_list.h"
#include "skin/records/skin_record.h"

namespace kelvra {

ControlList<SkinRecord>& SkinList();

// The skin of a handle, nullptr for anything else (0, -1, a window, a freed skin).
SkinRecord* FindSkin(const void* handle);
SkinRecord* FindSkin(uintptr_t handle);

// Appends a skin at the end of the list; it becomes current.
SkinRecord* AddSkin(std::unique_ptr<SkinRecord> skin);
// Removes and frees the record (its data objects are the caller's business).
void RemoveSkin(SkinRecord* skin);

// The first skin in list order whose name equals `name` case-blind.
SkinRecord* FindSkinByName(std::wstring_view name);

inline uintptr_t SkinHandle(const SkinRecord* skin) { return reinterpret_cast<uintptr_t>(skin); }

}  // namespace kelvra
