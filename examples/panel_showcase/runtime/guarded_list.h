// A list shared between threads under one mutex. The thread that changes the list
// waits for it; a reader that must never wait (a paint handler) only tries.
#pragma once

#include <mutex>
#include <vector>

namespace showcase {

template <class Item>
class GuardedList {
 public:
  // The list while its mutex is held; empty (false) when a try found it taken.
  class Access {
   public:
    explicit operator bool() const { return lock_.owns_lock(); }
    std::vector<Item>& items() const { return *items_; }

   private:
    friend class GuardedList;
    Access(std::vector<Item>& items, std::unique_lock<std::mutex> lock)
        : items_(&items), lock_(std::move(lock)) {}
    std::vector<Item>* items_;
    std::unique_lock<std::mutex> lock_;
  };

  Access Lock() { return Access(items_, std::unique_lock<std::mutex>(mutex_)); }
  Access TryLock() { return Access(items_, std::unique_lock<std::mutex>(mutex_, std::try_to_lock)); }

 private:
  std::mutex mutex_;
  std::vector<Item> items_;
};

}  // namespace showcase
