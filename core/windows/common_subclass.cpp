// Subclassing with CommonSubclassProc, and the window property that keeps each
// window's own procedure reachable without WindowMapLock.
#include "core/windows/common_subclass_proc.h"

namespace kelvra {

namespace {

// An atom, not a string: the property is read on every message.
LPCWSTR SavedProcedureProperty() {
  static const ATOM atom = GlobalAddAtomW(L"Kelvra.SavedProcedure");
  return MAKEINTATOM(atom);
}

}  // namespace

WNDPROC InstallCommonSubclass(HWND window) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == CommonSubclassProc) return nullptr;
  // The property comes first: the window's next message may already arrive
  // through CommonSubclassProc.
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  SetPropW(window, SavedProcedureProperty(), reinterpret_cast<HANDLE>(own));
  const auto saved = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommonSubclassProc)));
  if (saved != own) SetPropW(window, SavedProcedureProperty(), reinterpret_cast<HANDLE>(saved));
  return saved;
}

WNDPROC SavedProcedureOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetPropW(window, SavedProcedureProperty()));
}

bool RestoreOwnProcedure(HWND window, WNDPROC saved) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != CommonSubclassProc) return false;
  if (saved) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
  ForgetSavedProcedure(window);
  return true;
}

void ForgetSavedProcedure(HWND window) { RemovePropW(window, SavedProcedureProperty()); }

}  // namespace kelvra
