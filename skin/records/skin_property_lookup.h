// How the skin exports reach a property: readers through the themed look-up with
// the current colour-theme word, setters through find-or-add on normalised names.
#pragma once

#include <string_view>

#include "skin/records/skin_record.h"

namespace kelvra {

// The property a reader reads, nullptr when the skin or the property is missing.
// Null names read as "".
SkinPropertyRecord* LookUpSkinProperty(const void* skin, const wchar_t* component, const wchar_t* state,
                                       const wchar_t* property);

// The property a setter writes, created when missing (names lower-cased, the
// component normalised); nullptr when `skin` is no skin.
struct SkinPropertySlot {
  SkinRecord* skin;
  SkinPropertyRecord* property;
};
SkinPropertySlot FindOrAddSkinPropertySlot(const void* skin, const wchar_t* component, const wchar_t* state,
                                           const wchar_t* property);

}  // namespace kelvra
