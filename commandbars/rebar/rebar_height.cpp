// A rebar's height: reading it, and announcing a change to the rebar's callback
// and ancestors.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/rebar/rebar_height_notify.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"
#include "core/library/library_messages.h"
#include "core/windows/window_class_name.h"

namespace kelvra {

bool MakeRebarCurrentByWindow(HWND window) {
  RebarRecord* rebar = FindRebarByWindow(window);
  if (!rebar) return false;
  RebarList().SetCurrent(rebar);
  return true;
}

void NotifyRebarHeightChange(int height) {
  RebarRecord* rebar = RebarList().Current();
  if (!rebar) return;
  const HWND window = rebar->Window();
  if (!height) height = static_cast<int>(SendMessageW(window, RB_GETBARHEIGHT, 0, 0));
  if (height == rebar->lastNotifiedHeight) return;
  rebar->lastNotifiedHeight = height;
  // Whoever is told may free the rebar: take what the announcement needs first.
  const WNDPROC callback = rebar->userCallback;
  const HWND parent = GetParent(window);
  const HWND top = GetAncestor(window, GA_ROOT);
  const auto wParam = static_cast<WPARAM>(height);
  const auto lParam = reinterpret_cast<LPARAM>(window);
  if (callback) CallWindowProcW(callback, window, RebarHeightChangedMessage, wParam, lParam);
  if (top) SendMessageW(top, RebarHeightChangedMessage, wParam, lParam);
  if (parent) SendMessageW(parent, RebarHeightChangedMessage, wParam, lParam);
}

int32_t RebarHeight(intptr_t key) {
  HWND window = nullptr;
  if (const RebarRecord* rebar = FindRebar(key)) {
    window = rebar->Window();
  } else {
    // A private message: only a rebar control is asked, never a window of
    // another class, which may read it as something else entirely.
    window = reinterpret_cast<HWND>(key);
    if (!IsWindow(window) || !(WindowClassName(window) == REBARCLASSNAMEW)) return 0;
  }
  return static_cast<int32_t>(SendMessageW(window, RB_GETBARHEIGHT, 0, 0));
}

intptr_t SetRebarUserCallback(intptr_t key, WNDPROC callback) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar || !callback) return -1;
  const WNDPROC previous = rebar->userCallback;
  rebar->userCallback = callback;
  return reinterpret_cast<intptr_t>(previous);
}

}  // namespace kelvra
