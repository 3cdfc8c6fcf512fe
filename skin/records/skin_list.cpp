// The SkinList and its name index.
#include "skin/records/skin_list.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/records/lookup_key.h"
#include "skin/values/skin_text.h"

namespace kelvra {

namespace {

// Lower-cased name -> the skins of that name in list order. Skins are only ever
// appended, so order of insertion is list order.
using NameIndex = std::unordered_map<std::wstring, std::vector<SkinRecord*>, TextHash, std::equal_to<>>;

NameIndex& Names() {
  static NameIndex names;
  return names;
}

}  // namespace

ControlList<SkinRecord>& SkinList() {
  static ControlList<SkinRecord> list;
  return list;
}

SkinRecord* FindSkin(const void* handle) { return handle ? SkinList().FindByAddress(handle) : nullptr; }
SkinRecord* FindSkin(uintptr_t handle) { return FindSkin(reinterpret_cast<const void*>(handle)); }

SkinRecord* AddSkin(std::unique_ptr<SkinRecord> skin) {
  if (!skin) return nullptr;
  const std::wstring key = LowerCaseText(skin->name);
  auto& bucket = Names()[key];
  bucket.reserve(bucket.size() + 1);  // may throw before the list changes, not after
  SkinRecord* added = SkinList().Append(std::move(skin));
  bucket.push_back(added);
  return added;
}

void RemoveSkin(SkinRecord* skin) {
  if (!skin || !SkinList().Contains(skin)) return;
  auto& names = Names();
  if (auto it = names.find(LowerCaseText(skin->name)); it != names.end()) {
    auto& bucket = it->second;
    bucket.erase(std::remove(bucket.begin(), bucket.end(), skin), bucket.end());
    if (bucket.empty()) names.erase(it);
  }
  SkinList().Remove(skin);
}

SkinRecord* FindSkinByName(std::wstring_view name) {
  LookupKey key;  // on the stack: a look-up allocates nothing
  for (const wchar_t c : name) key.push_back(LowerCaseChar(c));
  auto& names = Names();
  auto it = names.find(key.view());
  if (it == names.end()) return nullptr;
  for (SkinRecord* skin : it->second)
    if (SkinList().Contains(skin) && EqualsCaseBlind(skin->name, name)) return skin;
  return nullptr;
}

}  // namespace kelvra
