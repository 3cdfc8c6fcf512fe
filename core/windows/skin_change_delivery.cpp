// Delivery of SkinChangedMessage and the redraw suspension around skin and colour
// refreshes (each walk keeps its own list of suspended windows), and the repaint
// of uncovered screen areas.
#include "core/windows/skin_change_delivery.h"

#include <vector>

#include "core/library/library_messages.h"

namespace kelvra {

namespace {

bool OfProcess(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId;
}

void SuspendIfDirectVisibleChild(HWND window, HWND topLevel, std::vector<HWND>& suspended) {
  if (!topLevel || !IsWindowVisible(window) || GetParent(window) != topLevel) return;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  suspended.push_back(window);
}

}  // namespace

BOOL CALLBACK NotifySkinChangedChildProc(HWND window, LPARAM context) {
  try {
    auto& refresh = *reinterpret_cast<SkinRefreshContext*>(context);
    if (refresh.suspended) SuspendIfDirectVisibleChild(window, refresh.currentTopLevel, *refresh.suspended);
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
    // This walk's own list: a refresh started inside it (from a SkinChangedMessage
    // handler, or a paint during RDW_UPDATENOW) keeps its own, and neither leaves
    // the other's windows with drawing off.
    std::vector<HWND> suspended;
    SkinRefreshContext walk = refresh;
    walk.currentTopLevel = IsWindowVisible(topLevel) ? topLevel : nullptr;
    walk.suspended = &suspended;
    EnumChildWindows(topLevel, NotifySkinChangedChildProc, reinterpret_cast<LPARAM>(&walk));
    for (HWND window : suspended) {
      SendMessageW(window, WM_SETREDRAW, TRUE, 0);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    }
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK SuspendChildRedrawProc(HWND window, LPARAM context) {
  try {
    auto& walk = *reinterpret_cast<ColourRefreshContext*>(context);
    SuspendIfDirectVisibleChild(window, walk.visibleTopLevel, *walk.suspended);
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK RefreshWindowColoursProc(HWND topLevel, LPARAM processId) {
  try {
    if (!OfProcess(topLevel, static_cast<DWORD>(processId))) return TRUE;
    std::vector<HWND> suspended;  // this walk's own, as for skins
    ColourRefreshContext walk{IsWindowVisible(topLevel) ? topLevel : nullptr, &suspended};
    EnumChildWindows(topLevel, SuspendChildRedrawProc, reinterpret_cast<LPARAM>(&walk));
    for (HWND window : suspended) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
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
  SkinRefreshContext context{GetCurrentProcessId(), skin, nullptr, nullptr};
  EnumWindows(RefreshWindowSkinsProc, reinterpret_cast<LPARAM>(&context));
}

void RefreshAllWindowColours() {
  EnumWindows(RefreshWindowColoursProc, static_cast<LPARAM>(GetCurrentProcessId()));
}

}  // namespace kelvra
