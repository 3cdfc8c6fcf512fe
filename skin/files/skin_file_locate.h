// Finding the data file a property value names, and reading it: in the skin's
// own place first while a skin file is loaded or saved (the folder of its .skn,
// or its pack), then below the skin path, in the folder named after the skin,
// and in the pack named after the skin.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/files/skin_file_names.h"
#include "skin/files/skin_pack.h"
#include "skin/records/skin_record.h"

namespace kelvra {

struct SkinFileLocation {
  enum class Where : uint8_t { Nowhere, Disk, Pack } where = Where::Nowhere;
  std::wstring path;   // the disk file, or the pack file
  std::wstring entry;  // the file's name in the pack
  bool inOriginPack = false;  // the pack of the running load, open already
};

// Where the file that `value` names (a file-like value) is found, as the
// running skin-file operation (if any) allows; Nowhere when it is found in no
// place, or when the value comes from a file and its path leaves the skin's
// places (a drive, a ":", rooted, UNC, ".."). A file is found only when it is a
// disk file of at least one byte.
SkinFileLocation LocateSkinFile(const SkinRecord& skin, const SkinFileValue& value, ReadBudget& budget);

// The bytes of a located file (at most kMaxPackDataBytes) and an identity that
// names that file's current contents; false when it cannot be read.
bool ReadSkinFile(const SkinFileLocation& location, ReadBudget& budget, std::vector<uint8_t>& bytes,
                  std::wstring& identity);

}  // namespace kelvra
