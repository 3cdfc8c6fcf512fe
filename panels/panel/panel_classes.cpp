// Registering and unregistering the panel, page and scroll-bar box window classes.
#include "panels/panel/panel_classes.h"

#include "core/library/library_globals.h"

namespace kelvra {

namespace {

struct ClassInfo {
  const wchar_t* name;
  UINT style;
  WNDPROC procedure;
  bool arrowCursor = false;
  bool registered = false;
};

ClassInfo& Info(PanelClass which) {
  // No cursor and no background brush: pages set their own cursor and paint
  // everything themselves; the panel is covered by its pages.
  static ClassInfo panel{L"Kelvra_PanelEx", 0, PanelExWindowProc};
  static ClassInfo page{L"Kelvra_PanelExPage", CS_PARENTDC, PanelExPageWindowProc};
  static ClassInfo box{L"Kelvra_ScrollbarBox", CS_PARENTDC, ScrollbarBoxWindowProc, true};
  switch (which) {
    case PanelClass::Panel: return panel;
    case PanelClass::Page: return page;
    default: return box;
  }
}

}  // namespace

HINSTANCE PanelModule() { return LibraryModule(); }

bool RegisterPanelClass(PanelClass which) {
  ClassInfo& info = Info(which);
  if (info.registered) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = info.style;
  wc.lpfnWndProc = info.procedure;
  wc.hInstance = PanelModule();
  wc.hCursor = info.arrowCursor ? LoadCursorW(nullptr, IDC_ARROW) : nullptr;
  wc.lpszClassName = info.name;
  info.registered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return info.registered;
}

const wchar_t* PanelClassName(PanelClass which) {
  const ClassInfo& info = Info(which);
  return info.registered ? info.name : L"";
}

void UnregisterPanelClasses() {
  for (PanelClass which : {PanelClass::Panel, PanelClass::Page, PanelClass::ScrollbarBox}) {
    ClassInfo& info = Info(which);
    if (info.registered) UnregisterClassW(info.name, PanelModule());
    info.registered = false;
  }
}

}  // namespace kelvra
