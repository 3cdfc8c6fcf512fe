// ThreadSlot<T>: an object of the library for each thread that asks for one (the
// result string, text-alpha scratch images), made on first use and freed when
// that thread ends, or with the library's module when FreeLibrary unloads it.
// ThreadValue: a plain number of each thread (a depth, a flag).
//
// Not thread_local: for a thread_local object with a destructor the C++ runtime
// takes a reference on the module that holds the destructor and drops it only
// when the thread ends, so FreeLibrary after Kelvra_End would leave the ended
// Kelvra.dll loaded and the next LoadLibrary would get it back. Even a plain
// thread_local number goes through the runtime's emulated TLS, whose key and lock
// (two semaphores) and the thread's own record in the runtime stay behind, open,
// each time Kelvra.dll is unloaded. Neither class has a destructor of its own:
// declare them `static` where they are used.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <new>

namespace kelvra {

namespace thread_slots {

using DestroyFn = void (*)(void* object);

// The number of `slot` (given on first use, with the function that frees its
// objects); -1 when every number is taken.
int SlotNumber(std::atomic<int>& slot, DestroyFn destroy) noexcept;
// The calling thread's object of slot `number`, or nullptr.
void* Find(int number) noexcept;
// Keeps `object` as the calling thread's object of slot `number`; false when it
// cannot be kept (the caller still owns it).
bool Keep(int number, void* object) noexcept;

// Frees the calling thread's objects (its end, from the loader).
void FreeThisThread() noexcept;
// Frees every thread's objects: the module is being unloaded by FreeLibrary, when
// no thread may use the library any more.
void FreeAll() noexcept;
// How many objects all threads hold now (for tests).
int LiveObjectCount() noexcept;

// The TLS index kept in `index` (taken on first use, given back by FreeAll), or
// kNoIndex when none can be had.
constexpr unsigned long kNoIndex = ~0ul;
unsigned long ValueIndex(std::atomic<unsigned long>& index) noexcept;
// The calling thread's value at `index` (0 when it set none, or for kNoIndex),
// leaving the thread's last error as it was.
intptr_t ReadValue(unsigned long index) noexcept;
// False when the value cannot be kept (kNoIndex).
bool WriteValue(unsigned long index, intptr_t value) noexcept;

}  // namespace thread_slots

template <class T>
class ThreadSlot {
 public:
  constexpr ThreadSlot() noexcept = default;
  ThreadSlot(const ThreadSlot&) = delete;
  ThreadSlot& operator=(const ThreadSlot&) = delete;

  // The calling thread's object, made on first use; throws std::bad_alloc when it
  // cannot be made or kept (exports catch it and report failure).
  T& Get() {
    const int number = thread_slots::SlotNumber(number_, &Destroy);
    if (void* found = thread_slots::Find(number)) return *static_cast<T*>(found);
    auto made = std::make_unique<T>();
    if (!thread_slots::Keep(number, made.get())) throw std::bad_alloc();
    return *made.release();
  }

 private:
  static void Destroy(void* object) { delete static_cast<T*>(object); }

  std::atomic<int> number_{-1};
};

// 0 on every thread until that thread sets another value. Nothing is made for a
// thread: nothing is freed when it ends.
class ThreadValue {
 public:
  constexpr ThreadValue() noexcept = default;
  ThreadValue(const ThreadValue&) = delete;
  ThreadValue& operator=(const ThreadValue&) = delete;

  intptr_t Get() noexcept { return thread_slots::ReadValue(thread_slots::ValueIndex(index_)); }
  // False when no TLS index could be had: the value stays 0.
  bool Set(intptr_t value) noexcept { return thread_slots::WriteValue(thread_slots::ValueIndex(index_), value); }

 private:
  std::atomic<unsigned long> index_{thread_slots::kNoIndex};
};

}  // namespace kelvra
