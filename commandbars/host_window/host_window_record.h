// HostWindowRecord and the HostWindowList: one record per window that hosts a
// toolbar, menu bar, rebar or popup menu, with the procedure it had before the
// library's. Every message of every host window looks its record up, so the list
// keeps an index by window beside its order. Its lock is held only around a
// look-up or a change, never across a call out (as the creation hook's table of
// saved procedures), so a host window's messages never wait for a walk.
#pragma once

#include <windows.h>

#include <cstddef>
#include <list>
#include <unordered_map>
#include <vector>

namespace kelvra {

struct HostWindowRecord {
  HWND window = nullptr;
  WNDPROC procedure = nullptr;       // HostWindowProc
  WNDPROC savedProcedure = nullptr;  // the window's own procedure before ours
};

class HostWindowList {
 public:
  // The saved procedure of `window`'s record; false when it has none.
  bool SavedProcedureOf(HWND window, WNDPROC& saved) const;
  bool Contains(HWND window) const;
  // Appends a record (false when there is one already, or memory ran out).
  bool Add(const HostWindowRecord& record);
  void SetSavedProcedure(HWND window, WNDPROC saved);
  void Remove(HWND window);
  size_t Size() const;
  // The records in list order, copied: walks send messages, and the windows they
  // reach may subclass or destroy host windows meanwhile.
  std::vector<HostWindowRecord> Snapshot() const;

 private:
  using Records = std::list<HostWindowRecord>;
  mutable SRWLOCK lock_ = SRWLOCK_INIT;
  Records records_;
  std::unordered_map<HWND, Records::iterator> index_;
};

HostWindowList& HostWindows();

}  // namespace kelvra
