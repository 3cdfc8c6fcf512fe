// LoadSkin: finds a document in its three forms, checks it whole (a pack's every
// entry included) before a skin is made, then sets its properties in file order
// with the skin's own place searched first for the files they name.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/xml/xml_tree.h"
#include "kelvra.h"
#include "skin/files/skin_disk_file.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_file_names.h"
#include "skin/files/skin_file_operation.h"
#include "skin/files/skin_files.h"
#include "skin/files/skin_pack.h"
#include "skin/files/skin_path.h"
#include "skin/records/skin_data_objects.h"
#include "skin/records/skin_list.h"
#include "skin/records/skin_loading_flag.h"

namespace kelvra {

namespace {

// A document and the place it came from, with its pack kept open and checked
// for the look-ups of the load.
struct FoundDocument {
  SkinDocument document;
  std::wstring origin;  // the folder of the .skn (ending in "\"), or the pack's path
  bool originIsPack = false;
  std::optional<DiskFile> packFile;
  SkinPackReader pack;
};

// The full path, so the skin's place keeps its meaning whatever the current
// directory does later.
std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

bool ReadDocumentBytes(const std::vector<uint8_t>& bytes, SkinDocument& document) {
  auto tree = xml::ReadDocument(bytes);
  if (!tree.ok()) return false;
  document = ReadSkinDocument(std::move(tree.root));
  return document.status != SkinDocumentStatus::NotASkin;
}

bool TrySkinFile(const std::wstring& path, ReadBudget& budget, FoundDocument& found) {
  const auto file = DiskFile::Open(path);
  std::vector<uint8_t> bytes;
  if (!file || !file->ReadAll(bytes, xml::kMaxDocumentBytes, budget)) return false;
  if (!ReadDocumentBytes(bytes, found.document)) return false;
  found.origin = std::wstring(DirectoryPartOf(FullPath(path)));
  found.originIsPack = false;
  return true;
}

bool TrySkinPack(const std::wstring& path, ReadBudget& budget, FoundDocument& found) {
  found.packFile = DiskFile::Open(path);
  if (!found.packFile || found.packFile->Size() == 0) return false;
  // Every entry is read before anything is made: a pack that breaks anywhere
  // loads nothing.
  if (found.pack.Open(*found.packFile) != PackError::None || found.pack.CheckAll(budget) != PackError::None)
    return false;
  std::vector<uint8_t> xmlBytes;
  if (found.pack.ReadXml(budget, xmlBytes) != PackError::None) return false;
  if (!ReadDocumentBytes(xmlBytes, found.document)) return false;
  found.origin = FullPath(path);
  found.originIsPack = true;
  return true;
}

// The forms in LoadSkin's order; the first that reads as a skin document wins.
std::unique_ptr<FoundDocument> FindDocument(std::wstring_view file, ReadBudget& budget) {
  std::wstring name(file);
  const std::wstring_view filePart = FilePartOf(name);
  const auto dot = filePart.rfind(L'.');
  if (dot == std::wstring_view::npos || filePart.substr(dot + 1) != L"skn")
    name = std::wstring(DirectoryPartOf(name)) + std::wstring(BaseNameOf(name)) + L".skn";
  const std::wstring directory(DirectoryPartOf(name)), base(BaseNameOf(name));

  auto found = std::make_unique<FoundDocument>();
  if (TrySkinFile(JoinSkinPath(name), budget, *found)) return found;
  // The folder and pack forms are named after the base name: one that is no
  // single safe name ("..", "con", "x.") is looked for nowhere.
  if (!IsValidSkinName(base) || budget.Exhausted()) return nullptr;
  if (TrySkinFile(JoinSkinPath(directory + base + L"\\" + std::wstring(FilePartOf(name))), budget, *found))
    return found;
  if (budget.Exhausted()) return nullptr;
  found = std::make_unique<FoundDocument>();
  if (TrySkinPack(JoinSkinPath(directory + base + L".sknz"), budget, *found)) return found;
  return nullptr;
}

void DiscardSkin(SkinRecord* skin) {
  ReleaseSkinData(*skin);
  RemoveSkin(skin);
}

// Each value as SetSkinProperty takes it, with the loading flag set around the
// call, so no window is re-skinned while the file is read.
SkinLoadOutcome SetProperties(SkinRecord* skin, const SkinDocument& document, const ReadBudget& budget) {
  for (const auto& property : document.properties) {
    int result;
    {
      SkinLoadingScope loading;
      result = SetSkinProperty(skin, property.component.c_str(), property.state.c_str(), property.property.c_str(),
                               property.value.c_str());
    }
    if (budget.Exhausted()) return SkinLoadOutcome::NoDocument;
    if (result < 0) return SkinLoadOutcome::FileMissing;
  }
  return SkinLoadOutcome::Loaded;
}

}  // namespace

SkinLoadResult LoadSkinFile(std::wstring_view file) {
  if (file.empty()) return {};
  ReadBudget budget;
  const auto found = FindDocument(file, budget);
  if (!found || budget.Exhausted()) return {};

  ControlList<SkinRecord>::CurrentGuard keepCurrent(SkinList());
  auto record = std::make_unique<SkinRecord>();
  record->name = found->document.name;
  record->fileOrigin = found->origin;
  record->fileOriginIsPack = found->originIsPack;
  SkinRecord* skin = AddSkin(std::move(record));
  if (!skin) return {};

  SkinFileOperation operation;
  operation.valuesFromFile = true;
  operation.budget = &budget;
  operation.searchOrigin = true;
  if (found->originIsPack) {
    operation.originPack = &found->pack;
    operation.originPackIdentity = found->packFile->Identity();
  }
  SkinFileOperationScope scope(operation);

  SkinLoadOutcome outcome = SkinLoadOutcome::Loaded;
  try {
    outcome = SetProperties(skin, found->document, budget);
  } catch (...) {
    DiscardSkin(skin);
    throw;
  }
  if (outcome == SkinLoadOutcome::Loaded && found->document.status == SkinDocumentStatus::UnexpectedElement)
    outcome = SkinLoadOutcome::UnexpectedElement;
  if (outcome != SkinLoadOutcome::Loaded) {
    DiscardSkin(skin);
    return {outcome, nullptr};
  }
  return {outcome, skin};
}

}  // namespace kelvra
