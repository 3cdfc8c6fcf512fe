// Walking and growing a skin's tree, and the themed component look-up: a read of
// "splitterex" tries "splitterex:<theme word>" first, then "splitterex". Pure
// code: no <windows.h>.
#pragma once

#include <string>
#include <string_view>

#include "skin/records/skin_record.h"

namespace kelvra {

// A lower-cased component as setters store it: with a ":", the trimmed word
// before it, ":", and the trimmed word up to a second ":" ("explorerbar : blue"
// is "explorerbar:blue", "a:b:c" is "a:b"); without one, trimmed (" buttonex "
// is "buttonex"), as readers look it up.
std::wstring NormaliseComponentName(std::wstring_view lowerComponent);

// Finds or appends each level (names taken as they stand).
SkinPropertyRecord& FindOrAddSkinProperty(SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                          std::wstring_view property);
// The property under exactly these names; nullptr when a level is missing.
SkinPropertyRecord* SelectSkinProperty(const SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                       std::wstring_view property);

struct ResolvedSkinProperty {
  std::wstring component;         // the component name the read used
  SkinPropertyRecord* property;   // nullptr when it holds no such property
};

// The themed look-up: the component name (lower case) under which a read finds
// the property. A component that names its theme ("explorerbar:silver") is tried
// as named and then bare; any other is tried with `themeWord` and then bare.
ResolvedSkinProperty ResolveThemedComponent(const SkinRecord& skin, std::wstring_view component,
                                            std::wstring_view state, std::wstring_view property,
                                            std::wstring_view themeWord);

// What every reader does: lower-cases the three names, then the themed look-up.
SkinPropertyRecord* ReadSkinProperty(const SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                     std::wstring_view property, std::wstring_view themeWord);

}  // namespace kelvra
