// The skin records: a skin is a tree of component, state and property whose
// leaves are value texts, each property with the data pre-built from its value.
// Each level keeps its order of first use, with a name index beside it so a
// look-up costs the same in a state of ten properties or of a thousand. Pure
// code: no <windows.h>.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kelvra {

// How the data attached to a property is released with its skin.
enum SkinPropertyKind : int32_t {
  kSkinDataNone = 0,
  kSkinDataIcon = 1,   // a Win32 icon
  kSkinDataImage = 2,  // an image object; readers get its bitmap
  kSkinDataOther = 3,  // a font, a gradient, a memory block or a caller's handle
};

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::wstring_view text) const noexcept { return std::hash<std::wstring_view>{}(text); }
};

// Records of one level in order of first use, found by their exact (lower-case)
// name. Nothing is ever removed below the skin.
template <class Item>
class SkinNamedList {
 public:
  SkinNamedList() = default;
  SkinNamedList(const SkinNamedList& other) { *this = other; }
  SkinNamedList& operator=(const SkinNamedList& other) {
    if (this == &other) return *this;
    items_.clear();
    index_.clear();
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_) Insert(std::make_unique<Item>(*item));
    return *this;
  }
  SkinNamedList(SkinNamedList&&) noexcept = default;
  SkinNamedList& operator=(SkinNamedList&&) noexcept = default;

  Item* Find(std::wstring_view name) const {
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : it->second;
  }
  Item& FindOrAdd(std::wstring_view name) {
    if (Item* found = Find(name)) return *found;
    auto item = std::make_unique<Item>();
    item->name = std::wstring(name);
    return Insert(std::move(item));
  }

  std::size_t Size() const { return items_.size(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  Item& Insert(std::unique_ptr<Item> item) {
    Item& added = *item;
    items_.push_back(std::move(item));
    index_.emplace(added.name, &added);
    return added;
  }

  std::vector<std::unique_ptr<Item>> items_;
  std::unordered_map<std::wstring, Item*, TextHash, std::equal_to<>> index_;
};

struct SkinPropertyRecord {
  std::wstring name;   // lower case: "background", "border image", "text"
  std::wstring value;  // lower case when set by SetSkinProperty; empty when only data was set
  int32_t kind = kSkinDataNone;  // SkinPropertyKind
  uintptr_t data = 0;            // the SkinDataObject's handle, 0 for none
  int32_t size = 0;              // 4 for a built gradient, 0 for a built font, else as stored
};

struct SkinStateRecord {
  std::wstring name;  // lower case: "normal", "hot", "selected hot"
  SkinNamedList<SkinPropertyRecord> properties;
};

struct SkinComponentRecord {
  std::wstring name;  // lower case; a bare word ("buttonex") or themed ("splitterex:blue")
  SkinNamedList<SkinStateRecord> states;
};

// A data file a skin has loaded for its properties, as the property holds it.
struct SkinLoadedFile {
  int32_t kind = 0;
  uintptr_t data = 0;
  int32_t size = 0;
};

using SkinPropertyIndex = std::unordered_map<std::wstring, SkinPropertyRecord*, TextHash, std::equal_to<>>;

struct SkinRecord {
  SkinRecord() = default;
  // A deep copy with its own index; the held data is the copier's business.
  SkinRecord(const SkinRecord& other);
  SkinRecord& operator=(const SkinRecord&) = delete;

  std::wstring name;  // as given to CreateSkin, case kept; matched case-blind
  std::wstring author, date, version, url;  // no operation fills them
  SkinNamedList<SkinComponentRecord> components;
  uint8_t SkinAutoUpdate = 1;  // 1: SetSkinProperty re-applies the skin at once
  // Every data object this skin has attached, the replaced ones included: controls
  // may still paint with an old handle until their next refresh, so the skin
  // keeps each until it is freed itself. One use of each object per skin.
  std::unordered_set<uintptr_t> heldData;
  // Every property by its path (SkinPropertyPath), so a read is one probe rather
  // than a walk down three levels of records scattered in memory.
  SkinPropertyIndex propertyIndex;
  // The data files this skin loaded, by the file's identity (and the icon size
  // asked for): a value naming one again attaches what the skin holds, so
  // repeated settings never pile up copies. Each object is in heldData too.
  std::unordered_map<std::wstring, SkinLoadedFile, TextHash, std::equal_to<>> loadedFiles;
  // Where the skin's file was read from: the folder of its .skn (ending in a
  // separator) or its pack's path; empty for a skin made in code. The skin's
  // data files are looked for there first while it is loaded or saved.
  std::wstring fileOrigin;
  bool fileOriginIsPack = false;
};

// The index key of a property: component, NUL, state, NUL, property (names never
// hold a NUL: they come from C strings). `Key` is a std::wstring or a LookupKey.
template <class Key>
void AppendSkinPropertyPath(Key& key, std::wstring_view component, std::wstring_view state,
                            std::wstring_view property) {
  key.append(component);
  key.push_back(L'\0');
  key.append(state);
  key.push_back(L'\0');
  key.append(property);
}

}  // namespace kelvra
