// Subclassing with CommonSubclassProc, and the table that keeps each window's own
// procedure reachable without WindowMapLock.
#include <new>
#include <unordered_map>

#include "core/windows/common_subclass_proc.h"

namespace kelvra {

namespace {

// Read on every message of every subclassed window. A window property would do
// the same job, but each property read is a round trip to the window server
// (about as dear as the message itself under Wine); this table stays in the
// process. Its lock is held only around a look-up or a change, never across a
// call out, so it is always free to take.
class SavedProcedureTable {
 public:
  WNDPROC Find(HWND window) {
    AcquireSRWLockShared(&lock_);
    auto it = procedures_.find(window);
    const WNDPROC procedure = it == procedures_.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&lock_);
    return procedure;
  }
  bool Set(HWND window, WNDPROC procedure) {
    AcquireSRWLockExclusive(&lock_);
    bool stored = true;
    try {
      procedures_[window] = procedure;
    } catch (...) {
      stored = false;
    }
    ReleaseSRWLockExclusive(&lock_);
    return stored;
  }
  void Remove(HWND window) {
    AcquireSRWLockExclusive(&lock_);
    procedures_.erase(window);
    ReleaseSRWLockExclusive(&lock_);
  }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::unordered_map<HWND, WNDPROC> procedures_;
};

SavedProcedureTable& SavedProcedures() {
  // Never destroyed: windows still subclassed may get messages while the process
  // winds down.
  static SavedProcedureTable* table = new SavedProcedureTable();
  return *table;
}

}  // namespace

WNDPROC InstallCommonSubclass(HWND window) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == CommonSubclassProc) return nullptr;
  // The table entry comes first: the window's next message may already arrive
  // through CommonSubclassProc.
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (!SavedProcedures().Set(window, own)) return nullptr;
  const auto saved = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommonSubclassProc)));
  if (saved != own) SavedProcedures().Set(window, saved);
  return saved;
}

WNDPROC SavedProcedureOf(HWND window) { return SavedProcedures().Find(window); }

bool RestoreOwnProcedure(HWND window, WNDPROC saved) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != CommonSubclassProc) return false;
  if (saved) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
  ForgetSavedProcedure(window);
  return true;
}

void ForgetSavedProcedure(HWND window) { SavedProcedures().Remove(window); }

}  // namespace kelvra
