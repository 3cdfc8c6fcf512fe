// SaveSkin: the skin's document with every file its values name carried along,
// as a pack or as a .skn (in a new folder named after the skin when one can be
// made). Everything is written under temporary names beside its targets, files
// taken from the old pack included, and put in place only once all is written:
// a save that fails leaves what was there before.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/xml/xml_tree.h"
#include "skin/files/skin_disk_file.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_file_locate.h"
#include "skin/files/skin_file_names.h"
#include "skin/files/skin_file_operation.h"
#include "skin/files/skin_files.h"
#include "skin/files/skin_pack.h"
#include "skin/files/skin_path.h"
#include "skin/values/skin_text.h"
#include "skin/values/system_colour_lookups.h"

namespace kelvra {

namespace {

// A folder made for this save, removed again (with what was staged in it) when
// the save does not complete.
class MadeFolder {
 public:
  MadeFolder() = default;
  MadeFolder(const MadeFolder&) = delete;
  MadeFolder& operator=(const MadeFolder&) = delete;
  ~MadeFolder() {
    if (!path_.empty() && !kept_) RemoveDirectoryW(path_.c_str());
  }
  bool Make(const std::wstring& path) {
    if (PathExists(path) || !CreateDirectoryW(path.c_str(), nullptr)) return false;
    path_ = path;
    return true;
  }
  void Keep() { kept_ = true; }

 private:
  std::wstring path_;
  bool kept_ = false;
};

class SkinSaver {
 public:
  SkinSaver(const SkinRecord& skin, bool pack) : skin_(skin), pack_(pack) {}

  bool Save(std::wstring_view file) {
    const std::wstring base(BaseNameOf(file));
    const bool nameUsable = IsValidSkinName(skin_.name);
    if (pack_) {
      if (!nameUsable) return false;
      packFile_ = StagedFile::Create(JoinSkinPath(skin_.name + L".sknz"));
      if (!packFile_) return false;
      packSink_.emplace(*packFile_);
      packWriter_.emplace(*packSink_);
    } else {
      // The .skn's own name must be one safe name too ("con.skn" is a device).
      if (!IsValidSkinName(base)) return false;
      // A folder of the skin's name is made, never reused: with anything of
      // that name there already, the files go beside the skin path's others.
      if (nameUsable && folder_.Make(JoinSkinPath(skin_.name))) prefix_ = skin_.name + L"\\";
    }

    std::vector<SkinDocumentProperty> properties = SkinDocumentProperties(skin_);
    for (auto& property : properties)
      if (!Carry(property)) return false;

    SkinDocumentHeader header{skin_.name, skin_.author, skin_.date, skin_.version, skin_.url};
    if (header.name.empty()) header.name = base;
    const auto xmlText = xml::WriteDocument(SkinDocumentTree(header, properties));
    if (!xmlText) return false;
    const std::span<const uint8_t> xmlBytes(reinterpret_cast<const uint8_t*>(xmlText->data()), xmlText->size());

    if (pack_) return packWriter_->Finish(xmlBytes) && packFile_->Commit();
    auto skn = StagedFile::Create(JoinSkinPath(prefix_ + base + L".skn"));
    if (!skn || !skn->Write(xmlBytes.data(), xmlBytes.size()) || !skn->Close()) return false;
    for (auto& staged : staged_)
      if (!staged.Commit()) return false;
    if (!skn->Commit()) return false;
    folder_.Keep();
    return true;
  }

 private:
  // Carries the file a value names and rewrites the value to its bare name;
  // false when the file cannot be carried (the saved skin would not load).
  bool Carry(SkinDocumentProperty& property) {
    const SkinFileValue value = ClassifySkinFileValue(property.value, SystemColourLookups());
    if (!value.fileLike) return true;
    ReadBudget budget;
    const SkinFileLocation location = LocateSkinFile(skin_, value, budget);
    if (location.where == SkinFileLocation::Where::Nowhere) return false;
    const std::wstring path(value.path), bare(value.filePart);
    std::wstring text = property.value;
    ReplaceAllText(text, path, {});
    property.value = bare + text;

    const std::wstring target = pack_ ? std::wstring() : JoinSkinPath(prefix_ + bare);
    std::optional<DiskFile> source, atTarget;
    if (!pack_ && location.where == SkinFileLocation::Where::Disk) {
      source = DiskFile::Open(location.path);
      atTarget = DiskFile::Open(target);
    }
    std::vector<uint8_t> bytes;
    std::wstring identity;
    // A file already at its target is carried as it is: never copied onto itself.
    const bool inPlace = source && atTarget && source->Identity() == atTarget->Identity();
    if (inPlace) identity = L"file:" + source->Identity();
    else if (!ReadSkinFile(location, budget, bytes, identity)) return false;

    // One file per bare name: two different files of one name would load as one.
    const std::wstring key = LowerCaseText(bare);
    if (const auto it = carried_.find(key); it != carried_.end()) return it->second == identity;
    carried_.emplace(key, identity);
    if (inPlace) return true;
    if (pack_) return packWriter_->AddFile(bare, bytes);
    auto staged = StagedFile::Create(target);
    if (!staged || !staged->Write(bytes.data(), bytes.size()) || !staged->Close()) return false;
    staged_.push_back(std::move(*staged));
    return true;
  }

  const SkinRecord& skin_;
  const bool pack_;
  // Declared before the staged files: it is removed after they are deleted.
  MadeFolder folder_;
  std::wstring prefix_;
  std::optional<StagedFile> packFile_;
  std::optional<StagedFileSink> packSink_;
  std::optional<SkinPackWriter> packWriter_;
  std::vector<StagedFile> staged_;
  std::map<std::wstring, std::wstring> carried_;  // lower-cased bare name -> identity
};

}  // namespace

bool SaveSkinFile(const SkinRecord& skin, std::wstring_view file, bool pack) {
  if (file.empty() || !IsValidFileNamePart(FilePartOf(file))) return false;
  SkinFileOperation operation;
  operation.searchOrigin = true;
  SkinFileOperationScope scope(operation);
  SkinSaver saver(skin, pack);
  return saver.Save(file);
}

}  // namespace kelvra
