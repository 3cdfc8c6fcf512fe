// Reaching a property from the exports' arguments.
#include "skin/records/skin_property_lookup.h"

#include "skin/ui_colours/colour_theme_words.h"
#include "skin/records/skin_list.h"
#include "skin/values/skin_text.h"
#include "skin/records/skin_tree.h"

namespace kelvra {

SkinPropertyRecord* LookUpSkinProperty(const void* skin, const wchar_t* component, const wchar_t* state,
                                       const wchar_t* property) {
  const SkinRecord* record = FindSkin(skin);
  if (!record) return nullptr;
  return ReadSkinProperty(*record, TextOrEmpty(component), TextOrEmpty(state), TextOrEmpty(property),
                          EffectiveSkinColourTheme());
}

SkinPropertySlot FindOrAddSkinPropertySlot(const void* skin, const wchar_t* component, const wchar_t* state,
                                           const wchar_t* property) {
  SkinRecord* record = FindSkin(skin);
  if (!record) return {nullptr, nullptr};
  SkinPropertyRecord& slot =
      FindOrAddSkinProperty(*record, NormaliseComponentName(LowerCaseText(TextOrEmpty(component))),
                            LowerCaseText(TextOrEmpty(state)), LowerCaseText(TextOrEmpty(property)));
  return {record, &slot};
}

}  // namespace kelvra
