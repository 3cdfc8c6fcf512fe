// ThreadSlot<T>: an object of the library for each thread that asks for one (the
// result string, text-alpha scratch images), made on first use and freed when
// that thread ends, or with the library's module when FreeLibrary unloads it.
//
// Not thread_local: for a thread_local object with a destructor the C++ runtime
// takes a reference on the module that holds the destructor and drops it only
// when the thread ends, so FreeLibrary after Kelvra_End would leave the ended
// Kelvra.dll loaded and the next LoadLibrary would get it back. A ThreadSlot has
// no destructor of its own: declare it `static` where it is used.
#pragma once

#include <atomic>
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

}  // namespace kelvra
