// Reading and writing whole skins: LoadSkin's search for a document in its
// three forms and the skin it makes, and SaveSkin's .skn, folder and pack.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/records/skin_record.h"

namespace kelvra {

// Kept apart from the handle: a skin's address may read as a negative number.
enum class SkinLoadOutcome : uint8_t {
  Loaded,
  NoDocument,         // 0: none found, unreadable, not a skin, past a limit or the budget
  UnexpectedElement,  // -1
  FileMissing,        // -2: a value names a file found nowhere
};

struct SkinLoadResult {
  SkinLoadOutcome outcome = SkinLoadOutcome::NoDocument;
  SkinRecord* skin = nullptr;  // set only when Loaded
};

// `file` as LoadSkin takes it: "glass" tries glass.skn, glass\glass.skn and
// glass.sknz below the skin path (or where an absolute path says).
SkinLoadResult LoadSkinFile(std::wstring_view file);

// SaveSkin: true when every form's file was written and put in place; on
// false the files that were there before are as they were.
bool SaveSkinFile(const SkinRecord& skin, std::wstring_view file, bool pack);

}  // namespace kelvra
