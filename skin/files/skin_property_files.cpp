// Property values that name data files: FindSkinPropertyFile and
// LoadSkinPropertyFile of skin/skin_files_seam.h. A file becomes an icon, else
// an image, else a block of its bytes, registered with the skin's data objects;
// a skin loads each distinct file once and attaches what it holds after that.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/image/runtime_image.h"
#include "skin/files/ico_directory.h"
#include "skin/files/skin_file_locate.h"
#include "skin/files/skin_file_names.h"
#include "skin/files/skin_file_operation.h"
#include "skin/records/skin_data_objects.h"
#include "skin/skin_files_seam.h"
#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_value_grammar.h"
#include "skin/values/system_colour_lookups.h"

namespace kelvra {

namespace {

// FindSkinPropertyFile's answer, kept for the LoadSkinPropertyFile that
// SetSkinProperty makes next with the same value, so the places are searched once.
struct LastLocation {
  const SkinRecord* skin = nullptr;
  std::wstring value;
  SkinFileLocation location;
};
LastLocation& Last() {
  static LastLocation last;
  return last;
}

// Built from memory, the pack's icons included: no file of the temporary folder
// is ever written, read or deleted for them.
uintptr_t IconFromBytes(const std::vector<uint8_t>& bytes, int width, int height) {
  const auto image = PickIcoImage(bytes, width, height);
  if (!image || image->size > 0x7FFFFFFF) return 0;
  HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(bytes.data() + image->offset),
                                        static_cast<DWORD>(image->size), TRUE, 0x00030000,
                                        width > 0 ? width : image->width, height > 0 ? height : image->height,
                                        LR_DEFAULTCOLOR);
  return reinterpret_cast<uintptr_t>(icon);
}

uintptr_t BitmapFromBytes(const std::vector<uint8_t>& bytes) {
  auto image = image::DecodeMemory(bytes.data(), bytes.size());
  return image ? reinterpret_cast<uintptr_t>(image->Detach()) : 0;
}

int32_t WantedIconSide(std::wstring_view value, std::wstring_view param) {
  const auto found = FindSkinValueParam(value, param);
  return found ? ReadSkinInteger(*found) : 0;
}

void Attach(SkinRecord& skin, SkinPropertyRecord& property, const SkinLoadedFile& file) {
  AttachSkinPropertyData(skin, property, file.kind, file.data);
  property.size = file.size;
}

// The object a file's bytes make, registered so that its last skin releases it.
SkinLoadedFile MakeData(const std::vector<uint8_t>& bytes, int width, int height) {
  if (const uintptr_t icon = IconFromBytes(bytes, width, height)) {
    RegisterSkinDataObject(icon, SkinDataRelease::Icon);
    return {kSkinDataIcon, icon, 0};
  }
  if (const uintptr_t bitmap = BitmapFromBytes(bytes)) {
    RegisterSkinDataObject(bitmap, SkinDataRelease::Bitmap);
    return {kSkinDataImage, bitmap, 0};
  }
  if (const uintptr_t block = NewSkinMemoryBlock(bytes.data(), bytes.size()))
    return {kSkinDataOther, block, static_cast<int32_t>(bytes.size())};
  return {};
}

// A running LoadSkin's budget covers every file its values name; a value set in
// code gets a budget of its own.
ReadBudget& OperationBudgetOr(ReadBudget& own) {
  SkinFileOperation* operation = CurrentSkinFileOperation();
  return operation && operation->budget ? *operation->budget : own;
}

}  // namespace

int32_t FindSkinPropertyFile(const SkinRecord& skin, std::wstring_view value) {
  const SkinFileValue file = ClassifySkinFileValue(value, SystemColourLookups());
  if (!file.fileLike) return 0;
  ReadBudget ownBudget;
  ReadBudget& budget = OperationBudgetOr(ownBudget);
  LastLocation& last = Last();
  last.skin = &skin;
  last.value.assign(value);
  last.location = LocateSkinFile(skin, file, budget);
  return last.location.where == SkinFileLocation::Where::Nowhere ? -1 : 1;
}

int32_t LoadSkinPropertyFile(SkinRecord& skin, SkinPropertyRecord& property, std::wstring_view value) {
  const SkinFileValue file = ClassifySkinFileValue(value, SystemColourLookups());
  if (!file.fileLike) return 0;
  ReadBudget ownBudget;
  ReadBudget& budget = OperationBudgetOr(ownBudget);

  LastLocation& last = Last();
  SkinFileLocation location = last.skin == &skin && last.value == value ? std::move(last.location)
                                                                         : LocateSkinFile(skin, file, budget);
  last = LastLocation();
  if (location.where == SkinFileLocation::Where::Nowhere) return 0;

  std::vector<uint8_t> bytes;
  std::wstring identity;
  if (!ReadSkinFile(location, budget, bytes, identity) || bytes.empty()) return 0;
  const int32_t width = WantedIconSide(value, L"width"), height = WantedIconSide(value, L"height");
  identity += L"|" + std::to_wstring(width) + L"x" + std::to_wstring(height);

  if (const auto held = skin.loadedFiles.find(identity); held != skin.loadedFiles.end()) {
    Attach(skin, property, held->second);
    return 1;
  }
  const SkinLoadedFile made = MakeData(bytes, width, height);
  if (!made.data) return 0;
  try {
    Attach(skin, property, made);
  } catch (...) {
    DiscardSkinDataObject(made.data);
    return 0;
  }
  try {
    skin.loadedFiles.emplace(std::move(identity), made);
  } catch (...) {
    // The skin holds the object already; a lost cache entry costs a reload.
  }
  return 1;
}

}  // namespace kelvra
