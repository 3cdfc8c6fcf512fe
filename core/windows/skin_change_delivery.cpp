// Delivery of SkinChangedMessage and the redraw suspension around skin and colour
// refreshes (RedrawSuspendList), and the repaint of uncovered screen areas.
#include "core/windows/skin_change_delivery.h"

#include "core/library/control_list.h"
#include "core/library/library_messages.h"

namespace kelvra {

namespace {

struct SuspendedWindow {
  HWND window;
};

// Windows whose drawing a refresh switched off and must switch on again. Only the
// user-interface thread walks windows this way.
ControlList<SuspendedWindow>& RedrawSuspendList() {
  static ControlList<SuspendedWindow>* list = new ControlList<SuspendedWindow>();
  return *list;
}

bool OfProcess(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId;
}

void SuspendIfDirectVisibleChild(HWND window, HWND topLevel) {
  if (!topLevel || !IsWindowVisible(window) || GetParent(window) != topLevel) return;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  RedrawSuspendList().Emplace(SuspendedWindow{window});
}

}  // namespace

BOOL CALLBACK NotifySkinChangedChildProc(HWND window, LPARAM context) {
  try {
    auto& refresh = *reinterpret_cast<SkinRefreshContext*>(context);
    SuspendIfDirectVisibleChild(window, refresh.currentTopLevel);
    // A direct call, not a sent message: each control re-applies its skin at once,
    // hidden ones included.
    if (const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)))
      CallWindowProcW(procedure, window, SkinChangedMessage, 0, refresh.skin);
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK RefreshWindowSkinsProc(HWND topLevel, LPARAM context) {
  try {
    auto& refresh = *reinterpret_cast<SkinRefreshContext*>(context);
    if (!OfProcess(topLevel, refresh.processId)) return TRUE;
    auto& list = RedrawSuspendList();
    list.Clear();
    refresh.currentTopLevel = IsWindowVisible(topLevel) ? topLevel : nullptr;
    EnumChildWindows(topLevel, NotifySkinChangedChildProc, context);
    for (const auto& suspended : list) {
      SendMessageW(suspended.window, WM_SETREDRAW, TRUE, 0);
      RedrawWindow(suspended.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    }
    list.Clear();
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK SuspendChildRedrawProc(HWND window, LPARAM topLevel) {
  try {
    SuspendIfDirectVisibleChild(window, reinterpret_cast<HWND>(topLevel));
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK RefreshWindowColoursProc(HWND topLevel, LPARAM processId) {
  try {
    if (!OfProcess(topLevel, static_cast<DWORD>(processId))) return TRUE;
    auto& list = RedrawSuspendList();
    list.Clear();
    const HWND visibleTop = IsWindowVisible(topLevel) ? topLevel : nullptr;
    EnumChildWindows(topLevel, SuspendChildRedrawProc, reinterpret_cast<LPARAM>(visibleTop));
    for (const auto& suspended : list) SendMessageW(suspended.window, WM_SETREDRAW, TRUE, 0);
    list.Clear();
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK RepaintUncoveredAreaProc(HWND window, LPARAM context) {
  auto& repaint = *reinterpret_cast<RepaintUncoveredAreaContext*>(context);
  if (window == repaint.excluded || !repaint.excluded) repaint.started = 1;
  if (window == repaint.excluded || !repaint.started || !IsWindowVisible(window)) return TRUE;
  RECT bounds{}, covered{};
  if (!GetWindowRect(window, &bounds) || !IntersectRect(&covered, &bounds, &repaint.pending)) return TRUE;
  // RedrawWindow takes client coordinates; RDW_FRAME lets the part over the frame count.
  RECT local = covered;
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&local), 2);
  RedrawWindow(window, &local, nullptr,
               RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (EqualRect(&covered, &repaint.pending)) return FALSE;
  // Only a remainder that is itself a rectangle shrinks the pending area; else it
  // stays whole and the windows further down redraw their parts of it again.
  RECT rest{};
  if (SubtractRect(&rest, &repaint.pending, &covered)) repaint.pending = rest;
  return TRUE;
}

void RefreshAllWindowSkins(LPARAM skin) {
  SkinRefreshContext context{GetCurrentProcessId(), skin, nullptr};
  EnumWindows(RefreshWindowSkinsProc, reinterpret_cast<LPARAM>(&context));
}

void RefreshAllWindowColours() {
  EnumWindows(RefreshWindowColoursProc, static_cast<LPARAM>(GetCurrentProcessId()));
}

}  // namespace kelvra
