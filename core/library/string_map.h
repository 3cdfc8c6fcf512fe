// StringMap: the library's text-keyed maps. Handles are keyed by their signed
// decimal text, as the registries have always named them.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>

namespace kelvra {

// The key of a window, image or other handle: its value as signed decimal text.
inline std::wstring HandleKey(const void* handle) {
  return std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(handle)));
}
inline std::wstring HandleKey(intptr_t value) { return std::to_wstring(static_cast<int32_t>(value)); }

template <class Value>
class StringMap {
 public:
  explicit StringMap(std::size_t slots = 512) { map_.reserve(slots); }

  // Adding a key that is present returns the existing value unchanged.
  Value& Add(const std::wstring& key) { return map_.try_emplace(key).first->second; }
  Value& Set(const std::wstring& key, Value value) { return map_.insert_or_assign(key, std::move(value)).first->second; }
  Value* Find(const std::wstring& key) {
    auto it = map_.find(key);
    return it == map_.end() ? nullptr : &it->second;
  }
  const Value* Find(const std::wstring& key) const {
    auto it = map_.find(key);
    return it == map_.end() ? nullptr : &it->second;
  }
  bool Contains(const std::wstring& key) const { return map_.count(key) != 0; }
  bool Remove(const std::wstring& key) { return map_.erase(key) != 0; }
  void Clear() { map_.clear(); }
  // Removes every entry whose key the predicate accepts.
  template <class Predicate>
  void RemoveIf(Predicate&& remove) {
    std::erase_if(map_, [&](const auto& entry) { return remove(entry.first); });
  }
  std::size_t Size() const { return map_.size(); }

  auto begin() { return map_.begin(); }
  auto end() { return map_.end(); }
  auto begin() const { return map_.begin(); }
  auto end() const { return map_.end(); }

 private:
  std::unordered_map<std::wstring, Value> map_;
};

}  // namespace kelvra
