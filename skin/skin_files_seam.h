// What SetSkinProperty asks of skin files: whether a value names a data file and
// loading that file as the property's data (skin/files/skin_property_files.cpp).
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/records/skin_record.h"

namespace kelvra {

// Whether the value (as just stored in `property` of `skin`) names a file,
// relative to the skin path, the skin's folder or the skin's pack (and first
// the skin's own place while a skin file is loaded or saved): 1 found, -1
// file-like but found nowhere, 0 not a file.
int32_t FindSkinPropertyFile(const SkinRecord& skin, std::wstring_view value);

// Loads the file the value names as the property's data (an icon, an image or
// raw bytes); 1 when something was loaded, else 0.
int32_t LoadSkinPropertyFile(SkinRecord& skin, SkinPropertyRecord& property, std::wstring_view value);

}  // namespace kelvra
