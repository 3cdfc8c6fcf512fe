// Exports of skin records and the property tree: thin shims that find the skin,
// call in and convert the result. No exception leaves them.
#include "kelvra.h"

#include <memory>
#include <string>

#include "core/library/result_string.h"
#include "core/windows/skin_change_delivery.h"
#include "skin/records/skin_data_objects.h"
#include "skin/skin_files_seam.h"
#include "skin/records/skin_list.h"
#include "skin/records/skin_loading_flag.h"
#include "skin/records/skin_prebuild.h"
#include "skin/records/skin_property_lookup.h"
#include "skin/values/skin_text.h"
#include "skin/values/system_colour_lookups.h"
#include "skin/values/skin_value_readers.h"

using kelvra::FindSkin;
using kelvra::SkinRecord;

namespace {

HANDLE AsHandle(const SkinRecord* skin) { return const_cast<SkinRecord*>(skin); }

HANDLE AddNamedSkin(const wchar_t* name) {
  auto skin = std::make_unique<SkinRecord>();
  skin->name = std::wstring(kelvra::TextOrEmpty(name));
  return AsHandle(kelvra::AddSkin(std::move(skin)));
}

void ApplyIfAutoUpdating(const SkinRecord* skin) {
  if (skin && skin->SkinAutoUpdate == 1 && kelvra::SkinLoadingFlag() == 0)
    kelvra::RefreshAllWindowSkins(static_cast<LPARAM>(kelvra::SkinHandle(skin)));
}

}  // namespace

extern "C" {

KELVRA_API HANDLE KELVRA_CALL CreateSkin(LPCWSTR name) {
  try {
    return AddNamedSkin(name);
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HANDLE KELVRA_CALL CopySkin(HANDLE skin) {
  try {
    const SkinRecord* source = FindSkin(skin);
    if (!source) return nullptr;
    auto copy = std::make_unique<SkinRecord>(*source);
    SkinRecord* added = kelvra::AddSkin(std::move(copy));
    if (added) kelvra::ShareSkinData(*source, *added);
    return AsHandle(added);
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL FreeSkin(HANDLE skin) {
  try {
    SkinRecord* record = FindSkin(skin);
    if (!record) return 0;
    kelvra::ReleaseSkinData(*record);
    kelvra::RemoveSkin(record);
    return 1;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL IsSkin(HANDLE skin) { return FindSkin(skin) ? 1 : 0; }

KELVRA_API HANDLE KELVRA_CALL GetSkinHandle(LPCWSTR name) {
  try {
    return AsHandle(kelvra::FindSkinByName(kelvra::TextOrEmpty(name)));
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API LPCWSTR KELVRA_CALL GetSkinName(HANDLE skin) {
  try {
    const SkinRecord* record = FindSkin(skin);
    return record ? kelvra::ReturnText(record->name) : kelvra::ReturnEmptyText();
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL GetSkinAutoUpdate(HANDLE skin) {
  const SkinRecord* record = FindSkin(skin);
  return record ? record->SkinAutoUpdate : 0;
}

KELVRA_API int KELVRA_CALL SetSkinAutoUpdate(HANDLE skin, BYTE flag) {
  SkinRecord* record = FindSkin(skin);
  if (!record) return 0;
  if (flag <= 1) record->SkinAutoUpdate = flag;
  return 1;
}

KELVRA_API int KELVRA_CALL SetSkinProperty(HANDLE skin, LPCWSTR component, LPCWSTR state, LPCWSTR property,
                                           LPCWSTR value) {
  try {
    const auto slot = kelvra::FindOrAddSkinPropertySlot(skin, component, state, property);
    if (!slot.skin) return 0;
    slot.property->value = kelvra::LowerCaseText(kelvra::TextOrEmpty(value));
    const std::wstring& stored = slot.property->value;
    int result = 1;
    switch (kelvra::FindSkinPropertyFile(*slot.skin, stored)) {
      case 1:
        // The file is the property's data; re-applying waits for the caller.
        return kelvra::LoadSkinPropertyFile(*slot.skin, *slot.property, stored);
      case -1:
        result = -1;
        break;
      default:
        kelvra::PrebuildSkinPropertyData(*slot.skin, *slot.property, stored);
        break;
    }
    ApplyIfAutoUpdating(slot.skin);
    return result;
  } catch (...) {
    return 0;
  }
}

KELVRA_API LPCWSTR KELVRA_CALL GetSkinProperty(HANDLE skin, LPCWSTR component, LPCWSTR state, LPCWSTR property) {
  try {
    const auto* found = kelvra::LookUpSkinProperty(skin, component, state, property);
    if (!found) return kelvra::ReturnEmptyText();
    return kelvra::ReturnText(kelvra::SkinPropertyText(found->value, kelvra::SystemColourLookups()));
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL SetSkinPropertyData(HANDLE skin, LPCWSTR component, LPCWSTR state, LPCWSTR property,
                                               HANDLE data) {
  try {
    const auto slot = kelvra::FindOrAddSkinPropertySlot(skin, component, state, property);
    if (!slot.skin) return 0;
    kelvra::AttachSkinPropertyData(*slot.skin, *slot.property, kelvra::kSkinDataOther,
                                   reinterpret_cast<uintptr_t>(data));
    return 1;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetSkinPropertyDataSize(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                   LPCWSTR property, int size) {
  try {
    const auto slot = kelvra::FindOrAddSkinPropertySlot(skin, component, state, property);
    if (!slot.skin) return 0;
    slot.property->size = size;
    return 1;
  } catch (...) {
    return 0;
  }
}

KELVRA_API HANDLE KELVRA_CALL GetSkinPropertyData(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                  LPCWSTR property) {
  try {
    const auto* found = kelvra::LookUpSkinProperty(skin, component, state, property);
    // Image data is held as the image's bitmap, which is what readers get.
    return found ? reinterpret_cast<HANDLE>(found->data) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL GetSkinPropertyDataSize(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                   LPCWSTR property) {
  try {
    const auto* found = kelvra::LookUpSkinProperty(skin, component, state, property);
    return found ? found->size : 0;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL MergeSkins(HANDLE skin1, HANDLE skin2, LPCWSTR name) {
  try {
    if (FindSkin(skin1) && FindSkin(skin2)) {
      // Adding a skin makes it current; a merge leaves the list as it found it.
      kelvra::ControlList<SkinRecord>::CurrentGuard keep(kelvra::SkinList());
      AddNamedSkin(name);
    }
  } catch (...) {
  }
  return 0;
}

KELVRA_API int KELVRA_CALL UpdateSkins(HANDLE skin) {
  try {
    if (skin && !FindSkin(skin)) return 0;
    kelvra::RefreshAllWindowSkins(reinterpret_cast<LPARAM>(skin));
    return 1;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
