// The places a data file is looked for, in order, and reading it from a disk
// file or a pack entry.
#include "skin/files/skin_file_locate.h"

#include "skin/files/skin_disk_file.h"
#include "skin/files/skin_file_operation.h"
#include "skin/files/skin_path.h"

namespace kelvra {

namespace {

bool IsNonEmptyDiskFile(const std::wstring& path) {
  const auto file = DiskFile::Open(path);
  return file && file->Size() > 0;
}

bool PackHolds(const std::wstring& packPath, const std::wstring& name, ReadBudget& budget) {
  const auto file = DiskFile::Open(packPath);
  if (!file || file->Size() == 0) return false;
  SkinPackReader pack;
  return pack.Open(*file) == PackError::None && pack.FindFile(name, budget, nullptr) == PackError::None;
}

SkinFileLocation OnDisk(std::wstring path) { return {SkinFileLocation::Where::Disk, std::move(path), {}, false}; }
SkinFileLocation InPack(std::wstring pack, std::wstring entry, bool origin) {
  return {SkinFileLocation::Where::Pack, std::move(pack), std::move(entry), origin};
}

}  // namespace

SkinFileLocation LocateSkinFile(const SkinRecord& skin, const SkinFileValue& value, ReadBudget& budget) {
  const SkinFileOperation* operation = CurrentSkinFileOperation();
  const std::wstring path(value.path);
  // Names read from a file stay inside the skin's places; values set in code
  // may name any file.
  if (operation && operation->valuesFromFile && !IsContainedRelativePath(path)) return {};

  if (operation && operation->searchOrigin && !skin.fileOrigin.empty()) {
    if (!skin.fileOriginIsPack) {
      if (std::wstring full = skin.fileOrigin + path; IsNonEmptyDiskFile(full)) return OnDisk(std::move(full));
    } else if (!value.hasDirectory) {
      if (operation->originPack) {
        if (operation->originPack->FindFile(path, budget, nullptr) == PackError::None)
          return InPack(skin.fileOrigin, path, true);
      } else if (PackHolds(skin.fileOrigin, path, budget)) {
        return InPack(skin.fileOrigin, path, false);
      }
    }
  }
  if (std::wstring full = JoinSkinPath(path); IsNonEmptyDiskFile(full)) return OnDisk(std::move(full));
  // A skin named "..\x" or "c:\x" (as a file may name it) has no folder or pack.
  if (!IsValidSkinName(skin.name)) return {};
  if (std::wstring folder = JoinSkinPath(skin.name + L"\\" + std::wstring(value.filePart)); IsNonEmptyDiskFile(folder))
    return OnDisk(std::move(folder));
  if (!value.hasDirectory) {
    std::wstring pack = JoinSkinPath(skin.name + L".sknz");
    if (PackHolds(pack, path, budget)) return InPack(std::move(pack), path, false);
  }
  return {};
}

bool ReadSkinFile(const SkinFileLocation& location, ReadBudget& budget, std::vector<uint8_t>& bytes,
                  std::wstring& identity) {
  bytes.clear();
  identity.clear();
  switch (location.where) {
    case SkinFileLocation::Where::Disk: {
      const auto file = DiskFile::Open(location.path);
      if (!file || file->Size() == 0 || !file->ReadAll(bytes, kMaxPackDataBytes, budget)) return false;
      identity = L"file:" + file->Identity();
      return true;
    }
    case SkinFileLocation::Where::Pack: {
      const SkinFileOperation* operation = CurrentSkinFileOperation();
      if (location.inOriginPack && operation && operation->originPack) {
        if (operation->originPack->FindFile(location.entry, budget, &bytes) != PackError::None) return false;
        identity = L"pack:" + operation->originPackIdentity + L"|" + location.entry;
        return true;
      }
      const auto file = DiskFile::Open(location.path);
      if (!file) return false;
      SkinPackReader pack;
      if (pack.Open(*file) != PackError::None || pack.FindFile(location.entry, budget, &bytes) != PackError::None)
        return false;
      identity = L"pack:" + file->Identity() + L"|" + location.entry;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace kelvra
