// ControlList: the library's registry of one kind of record, in list order with a
// current element, plus an index so look-ups by number, window or address stay
// constant-time with thousands of records.
#pragma once

#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace kelvra {

// Every control record begins with its number and its window. Records that derive
// from it are indexed by both; a key argument matches either.
struct ControlHead {
  int32_t number = 0;
  void* window = nullptr;  // HWND; kept as void* so pure headers need no <windows.h>
};

template <class Record>
class ControlList {
  static constexpr bool kHasHead = std::is_base_of_v<ControlHead, Record>;
  using Storage = std::list<std::unique_ptr<Record>>;
  using Iter = typename Storage::iterator;

 public:
  ControlList() = default;
  ControlList(const ControlList&) = delete;
  ControlList& operator=(const ControlList&) = delete;

  std::size_t Size() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }

  // Appends after the last element; the new element becomes current.
  Record* Append(std::unique_ptr<Record> record) { return InsertAt(items_.end(), std::move(record)); }
  template <class... Args>
  Record* Emplace(Args&&... args) { return Append(std::make_unique<Record>(std::forward<Args>(args)...)); }

  // Inserts before `position` (nullptr: append); the new element becomes current.
  Record* InsertBefore(const Record* position, std::unique_ptr<Record> record) {
    return InsertAt(position ? Locate(position) : items_.end(), std::move(record));
  }

  // Removes and frees the record. When it was current, the element after it (or,
  // at the end, the one before it) becomes current.
  void Remove(const Record* record) {
    auto it = Locate(record);
    if (it == items_.end()) return;
    if (current_ == it) {
      auto next = std::next(it);
      current_ = next != items_.end() ? next : (it == items_.begin() ? items_.end() : std::prev(it));
    }
    Unindex(it);
    items_.erase(it);
  }

  // Detaches the record without freeing it (the caller takes ownership).
  std::unique_ptr<Record> Take(const Record* record) {
    auto it = Locate(record);
    if (it == items_.end()) return nullptr;
    if (current_ == it) current_ = items_.end();
    Unindex(it);
    std::unique_ptr<Record> owned = std::move(*it);
    items_.erase(it);
    return owned;
  }

  void Clear() {
    items_.clear();
    byAddress_.clear();
    byKey_.clear();
    current_ = items_.end();
  }

  Record* First() const { return items_.empty() ? nullptr : items_.front().get(); }
  Record* Last() const { return items_.empty() ? nullptr : items_.back().get(); }
  Record* Next(const Record* record) const {
    auto it = Locate(record);
    if (it == items_.end() || ++it == items_.end()) return nullptr;
    return it->get();
  }
  Record* Previous(const Record* record) const {
    auto it = Locate(record);
    if (it == items_.end() || it == items_.begin()) return nullptr;
    return std::prev(it)->get();
  }

  Record* Current() const { return current_ == items_.end() ? nullptr : current_->get(); }
  void SetCurrent(const Record* record) { current_ = record ? Locate(record) : items_.end(); }

  // A handle given by a caller: the record at that address, if it is in this list.
  Record* FindByAddress(const void* address) const {
    auto it = byAddress_.find(address);
    return it == byAddress_.end() ? nullptr : it->second->get();
  }
  bool Contains(const Record* record) const { return FindByAddress(record) != nullptr; }

  // The first record in list order whose number or window equals `key`.
  Record* Find(intptr_t key) const
    requires kHasHead
  {
    auto range = byKey_.equal_range(key);
    if (range.first == range.second) return nullptr;
    if (std::next(range.first) == range.second) return range.first->second->get();
    // Several records share the key (a number equal to another's window, say): the
    // contract is the first in list order.
    std::unordered_set<const Record*> candidates;
    for (auto it = range.first; it != range.second; ++it) candidates.insert(it->second->get());
    for (const auto& item : items_)
      if (candidates.count(item.get())) return item.get();
    return nullptr;
  }
  Record* FindByNumber(int32_t number) const
    requires kHasHead
  {
    auto range = byKey_.equal_range(number);
    Record* best = nullptr;
    for (auto it = range.first; it != range.second; ++it)
      if ((*it->second)->number == number && (!best || Before(it->second->get(), best))) best = it->second->get();
    return best;
  }
  Record* FindByWindow(const void* window) const
    requires kHasHead
  {
    auto range = byKey_.equal_range(reinterpret_cast<intptr_t>(window));
    Record* best = nullptr;
    for (auto it = range.first; it != range.second; ++it)
      if ((*it->second)->window == window && (!best || Before(it->second->get(), best))) best = it->second->get();
    return best;
  }

  // Number and window must change through here so the index follows.
  void SetHead(Record* record, int32_t number, void* window)
    requires kHasHead
  {
    auto it = Locate(record);
    if (it == items_.end()) {
      record->number = number;
      record->window = window;
      return;
    }
    UnindexKeys(it);
    record->number = number;
    record->window = window;
    IndexKeys(it);
  }
  void SetWindow(Record* record, void* window)
    requires kHasHead
  {
    SetHead(record, record->number, window);
  }

  // Walks every record in list order. The visitor may remove the record it is given.
  template <class Visitor>
  void ForEach(Visitor&& visit) {
    for (auto it = items_.begin(); it != items_.end();) {
      auto next = std::next(it);
      visit(**it);
      it = next;
    }
  }

  // Keeps the list's current element across a walk by code that does not own it.
  class CurrentGuard {
   public:
    explicit CurrentGuard(ControlList& list) : list_(list), saved_(list.Current()) {}
    ~CurrentGuard() { list_.SetCurrent(saved_ && list_.Contains(saved_) ? saved_ : nullptr); }
    CurrentGuard(const CurrentGuard&) = delete;
    CurrentGuard& operator=(const CurrentGuard&) = delete;

   private:
    ControlList& list_;
    Record* saved_;
  };

  // Iteration in list order (read-only walks; do not remove while iterating).
  class ConstIterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Record;
    using difference_type = std::ptrdiff_t;
    using pointer = Record*;
    using reference = Record&;
    explicit ConstIterator(typename Storage::const_iterator it) : it_(it) {}
    Record& operator*() const { return **it_; }
    Record* operator->() const { return it_->get(); }
    ConstIterator& operator++() { ++it_; return *this; }
    bool operator==(const ConstIterator& other) const { return it_ == other.it_; }
    bool operator!=(const ConstIterator& other) const { return it_ != other.it_; }
   private:
    typename Storage::const_iterator it_;
  };
  ConstIterator begin() const { return ConstIterator(items_.begin()); }
  ConstIterator end() const { return ConstIterator(items_.end()); }

 private:
  Iter Locate(const void* record) const {
    auto it = byAddress_.find(record);
    return it == byAddress_.end() ? const_cast<Storage&>(items_).end() : it->second;
  }

  Record* InsertAt(Iter position, std::unique_ptr<Record> record) {
    if (!record) return nullptr;
    auto it = items_.insert(position, std::move(record));
    byAddress_.emplace(it->get(), it);
    IndexKeys(it);
    current_ = it;
    return it->get();
  }

  void IndexKeys(Iter it) {
    if constexpr (kHasHead) {
      const intptr_t number = (*it)->number;
      const intptr_t window = reinterpret_cast<intptr_t>((*it)->window);
      byKey_.emplace(number, it);
      if (window != number) byKey_.emplace(window, it);
    }
  }
  void UnindexKeys(Iter it) {
    if constexpr (kHasHead) {
      const intptr_t number = (*it)->number;
      const intptr_t window = reinterpret_cast<intptr_t>((*it)->window);
      EraseKey(number, it);
      if (window != number) EraseKey(window, it);
    }
  }
  void EraseKey(intptr_t key, Iter it) {
    auto range = byKey_.equal_range(key);
    for (auto k = range.first; k != range.second; ++k)
      if (k->second == it) {
        byKey_.erase(k);
        return;
      }
  }
  void Unindex(Iter it) {
    UnindexKeys(it);
    byAddress_.erase(it->get());
  }

  // True when a stands before b in list order (rare path: only for duplicate keys).
  bool Before(const Record* a, const Record* b) const {
    for (const auto& item : items_) {
      if (item.get() == a) return true;
      if (item.get() == b) return false;
    }
    return false;
  }

  Storage items_;
  Iter current_ = items_.end();
  std::unordered_map<const void*, Iter> byAddress_;
  std::unordered_multimap<intptr_t, Iter> byKey_;
};

}  // namespace kelvra
