// The HostWindowList, subclassing host windows, and what the library's end and
// colour changes ask of them.
#include <new>

#include "commandbars/commandbars_seam.h"
#include "commandbars/host_window/host_window.h"
#include "commandbars/host_window/host_window_record.h"

namespace kelvra {

namespace {

class SharedLock {
 public:
  explicit SharedLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockShared(&lock_); }
  ~SharedLock() { ReleaseSRWLockShared(&lock_); }
  SharedLock(const SharedLock&) = delete;
  SharedLock& operator=(const SharedLock&) = delete;

 private:
  SRWLOCK& lock_;
};

class ExclusiveLock {
 public:
  explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
  ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;

 private:
  SRWLOCK& lock_;
};

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

}  // namespace

bool HostWindowList::SavedProcedureOf(HWND window, WNDPROC& saved) const {
  SharedLock lock(lock_);
  auto it = index_.find(window);
  if (it == index_.end()) return false;
  saved = it->second->savedProcedure;
  return true;
}

bool HostWindowList::Contains(HWND window) const {
  SharedLock lock(lock_);
  return index_.count(window) != 0;
}

bool HostWindowList::Add(const HostWindowRecord& record) {
  ExclusiveLock lock(lock_);
  if (index_.count(record.window)) return false;
  try {
    records_.push_back(record);
    try {
      index_.emplace(record.window, std::prev(records_.end()));
    } catch (...) {
      records_.pop_back();
      return false;
    }
  } catch (...) {
    return false;
  }
  return true;
}

void HostWindowList::SetSavedProcedure(HWND window, WNDPROC saved) {
  ExclusiveLock lock(lock_);
  auto it = index_.find(window);
  if (it != index_.end()) it->second->savedProcedure = saved;
}

void HostWindowList::Remove(HWND window) {
  ExclusiveLock lock(lock_);
  auto it = index_.find(window);
  if (it == index_.end()) return;
  records_.erase(it->second);
  index_.erase(it);
}

size_t HostWindowList::Size() const {
  SharedLock lock(lock_);
  return records_.size();
}

std::vector<HostWindowRecord> HostWindowList::Snapshot() const {
  SharedLock lock(lock_);
  return {records_.begin(), records_.end()};
}

HostWindowList& HostWindows() {
  // Never destroyed: host windows may still get messages while the process ends.
  static HostWindowList* list = new HostWindowList();
  return *list;
}

void SubclassHostWindow(HWND window) {
  if (!window || !IsWindow(window) || HostWindows().Contains(window)) return;
  // The record comes first: the window's next message may already arrive
  // through HostWindowProc.
  if (!HostWindows().Add({window, HostWindowProc, ProcedureOf(window)})) return;
  const auto saved = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostWindowProc)));
  if (!saved) {
    // Refused (a window of another process): nothing of ours is in its chain.
    HostWindows().Remove(window);
    return;
  }
  HostWindows().SetSavedProcedure(window, saved);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) SetWindowLongPtrW(window, GWL_STYLE, style | WS_CLIPCHILDREN);
}

void RedrawHostWindows() {
  for (const HostWindowRecord& record : HostWindows().Snapshot())
    if (IsWindow(record.window))
      RedrawWindow(record.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

namespace steps {

void RestoreHostWindowProcedures() {
  for (const HostWindowRecord& record : HostWindows().Snapshot()) {
    if (!IsWindow(record.window)) {
      HostWindows().Remove(record.window);
      continue;
    }
    // The application subclassed the window after us: its procedure stays, and
    // ours stays in its chain (passing messages on only), so the record stays
    // too. Putting ours back would cut the application's procedure out, and its
    // own restore later would install ours.
    if (ProcedureOf(record.window) != HostWindowProc) continue;
    SetWindowLongPtrW(record.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.savedProcedure));
    HostWindows().Remove(record.window);
  }
}

}  // namespace steps

}  // namespace kelvra
