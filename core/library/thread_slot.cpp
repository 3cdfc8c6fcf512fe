// Each thread's block of slot objects, kept in one TLS index and listed for the
// module's unload; and the TLS callback that frees a thread's block as it ends.
// Everything here is plain data initialised before any code runs: no static
// object with a destructor, so nothing of it runs after the module is gone.
#include "core/library/thread_slot.h"

#include <windows.h>

namespace kelvra::thread_slots {

namespace {

constexpr int kSlotCount = 8;
constexpr int kValueCount = 4;

struct ThreadBlock {
  ThreadBlock* previous = nullptr;
  ThreadBlock* next = nullptr;
  void* objects[kSlotCount] = {};
};

// Guards the list of blocks, the slot table and the TLS index's allocation.
SRWLOCK lock = SRWLOCK_INIT;
ThreadBlock* blocks = nullptr;
DestroyFn destroyers[kSlotCount] = {};
int slotsGiven = 0;
std::atomic<DWORD> tlsIndex{TLS_OUT_OF_INDEXES};
// The indexes of the ThreadValues, given back with the module.
DWORD valueIndexes[kValueCount] = {};
int valuesGiven = 0;

static_assert(kNoIndex == TLS_OUT_OF_INDEXES);

class ExclusiveLock {
 public:
  ExclusiveLock() noexcept { AcquireSRWLockExclusive(&lock); }
  ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock); }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
};

// TlsGetValue clears the thread's last error; callers of the library keep theirs.
ThreadBlock* ThisThreadsBlock() noexcept {
  const DWORD index = tlsIndex.load(std::memory_order_acquire);
  if (index == TLS_OUT_OF_INDEXES) return nullptr;
  const DWORD lastError = GetLastError();
  auto* block = static_cast<ThreadBlock*>(TlsGetValue(index));
  SetLastError(lastError);
  return block;
}

void DestroyObjects(ThreadBlock& block) noexcept {
  for (int i = 0; i < kSlotCount; ++i) {
    void* object = block.objects[i];
    block.objects[i] = nullptr;
    if (object && destroyers[i]) destroyers[i](object);
  }
}

void Unlink(ThreadBlock& block) noexcept {
  if (block.previous) block.previous->next = block.next;
  else blocks = block.next;
  if (block.next) block.next->previous = block.previous;
  block.previous = block.next = nullptr;
}

}  // namespace

int SlotNumber(std::atomic<int>& slot, DestroyFn destroy) noexcept {
  const int known = slot.load(std::memory_order_acquire);
  if (known >= 0) return known;
  ExclusiveLock guard;
  int number = slot.load(std::memory_order_relaxed);
  if (number >= 0 || slotsGiven >= kSlotCount) return number;
  number = slotsGiven++;
  destroyers[number] = destroy;
  slot.store(number, std::memory_order_release);
  return number;
}

void* Find(int number) noexcept {
  if (number < 0 || number >= kSlotCount) return nullptr;
  const ThreadBlock* block = ThisThreadsBlock();
  return block ? block->objects[number] : nullptr;
}

bool Keep(int number, void* object) noexcept {
  if (number < 0 || number >= kSlotCount || !object) return false;
  ThreadBlock* block = ThisThreadsBlock();
  if (!block) {
    block = new (std::nothrow) ThreadBlock();
    if (!block) return false;
    ExclusiveLock guard;
    DWORD index = tlsIndex.load(std::memory_order_relaxed);
    if (index == TLS_OUT_OF_INDEXES) {
      index = TlsAlloc();
      tlsIndex.store(index, std::memory_order_release);
    }
    if (index == TLS_OUT_OF_INDEXES || !TlsSetValue(index, block)) {
      delete block;
      return false;
    }
    block->next = blocks;
    if (blocks) blocks->previous = block;
    blocks = block;
  }
  block->objects[number] = object;
  return true;
}

void FreeThisThread() noexcept {
  ThreadBlock* block = ThisThreadsBlock();
  if (!block) return;
  {
    ExclusiveLock guard;
    Unlink(*block);
    TlsSetValue(tlsIndex.load(std::memory_order_relaxed), nullptr);
  }
  DestroyObjects(*block);
  delete block;
}

void FreeAll() noexcept {
  ExclusiveLock guard;
  while (ThreadBlock* block = blocks) {
    Unlink(*block);
    DestroyObjects(*block);
    delete block;
  }
  const DWORD index = tlsIndex.exchange(TLS_OUT_OF_INDEXES);
  if (index != TLS_OUT_OF_INDEXES) TlsFree(index);
  while (valuesGiven > 0) TlsFree(valueIndexes[--valuesGiven]);
}

unsigned long ValueIndex(std::atomic<unsigned long>& index) noexcept {
  const unsigned long known = index.load(std::memory_order_acquire);
  if (known != kNoIndex) return known;
  ExclusiveLock guard;
  unsigned long taken = index.load(std::memory_order_relaxed);
  if (taken != kNoIndex || valuesGiven >= kValueCount) return taken;
  taken = TlsAlloc();
  if (taken == TLS_OUT_OF_INDEXES) return kNoIndex;
  valueIndexes[valuesGiven++] = taken;
  index.store(taken, std::memory_order_release);
  return taken;
}

intptr_t ReadValue(unsigned long index) noexcept {
  if (index == kNoIndex) return 0;
  const DWORD lastError = GetLastError();
  const auto value = reinterpret_cast<intptr_t>(TlsGetValue(index));
  SetLastError(lastError);
  return value;
}

bool WriteValue(unsigned long index, intptr_t value) noexcept {
  return index != kNoIndex && TlsSetValue(index, reinterpret_cast<void*>(value));
}

int LiveObjectCount() noexcept {
  ExclusiveLock guard;
  int count = 0;
  for (const ThreadBlock* block = blocks; block; block = block->next)
    for (const void* object : block->objects) count += object != nullptr;
  return count;
}

}  // namespace kelvra::thread_slots

namespace {

// The loader calls the TLS callbacks of every module at every thread's end: in
// Kelvra.dll, and in a program that links the library into itself. Exceptions
// cannot leave: FreeThisThread is noexcept.
void NTAPI ThreadSlotsAtThreadEnd(PVOID, DWORD reason, PVOID) {
  if (reason == DLL_THREAD_DETACH) kelvra::thread_slots::FreeThisThread();
}

}  // namespace

// The C runtime's TLS directory lists the callbacks placed between its sections
// .CRT$XLA and .CRT$XLZ.
extern "C" __attribute__((section(".CRT$XLK"), used)) const PIMAGE_TLS_CALLBACK kelvraThreadSlotsCallback =
    ThreadSlotsAtThreadEnd;
