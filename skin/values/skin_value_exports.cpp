// Exports that read property values through the value grammar: params,
// sub-params and colours. The property is found as GetSkinProperty finds it.
#include "kelvra.h"

#include "core/library/result_string.h"
#include "skin/values/colour_string.h"
#include "skin/records/skin_property_lookup.h"
#include "skin/values/skin_text.h"
#include "skin/values/skin_value_readers.h"
#include "skin/values/system_colour_lookups.h"

using kelvra::LookUpSkinProperty;
using kelvra::SystemColourLookups;
using kelvra::TextOrEmpty;

extern "C" {

KELVRA_API LPCWSTR KELVRA_CALL GetSkinPropertyParam(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                    LPCWSTR property, LPCWSTR param) {
  try {
    const auto* found = LookUpSkinProperty(skin, component, state, property);
    if (!found) return kelvra::ReturnEmptyText();
    return kelvra::ReturnText(kelvra::LookupSkinPropertyParam(found->value, TextOrEmpty(param), SystemColourLookups()));
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL CountSkinPropertySubParams(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                      LPCWSTR property, LPCWSTR param) {
  try {
    const auto* found = LookUpSkinProperty(skin, component, state, property);
    return found ? kelvra::SkinSubParamCount(found->value, TextOrEmpty(param)) : 0;
  } catch (...) {
    return 0;
  }
}

KELVRA_API LPCWSTR KELVRA_CALL GetSkinPropertySubParam(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                       LPCWSTR property, LPCWSTR param, int index) {
  try {
    const auto* found = LookUpSkinProperty(skin, component, state, property);
    if (!found) return kelvra::ReturnEmptyText();
    return kelvra::ReturnText(
        kelvra::LookupSkinPropertySubParam(found->value, TextOrEmpty(param), index, SystemColourLookups()));
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL GetSkinPropertySubParamColour(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                         LPCWSTR property, LPCWSTR param, int index) {
  try {
    const auto* found = LookUpSkinProperty(skin, component, state, property);
    if (!found) return kelvra::kNoColour;
    return kelvra::SkinSubParamColour(found->value, TextOrEmpty(param), index, SystemColourLookups());
  } catch (...) {
    return kelvra::kNoColour;
  }
}

KELVRA_API int KELVRA_CALL GetSkinPropertyColour(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                 LPCWSTR property) {
  try {
    const auto* found = LookUpSkinProperty(skin, component, state, property);
    return found ? kelvra::SkinPropertyColour(found->value, SystemColourLookups()) : kelvra::kNoColour;
  } catch (...) {
    return kelvra::kNoColour;
  }
}

}  // extern "C"
