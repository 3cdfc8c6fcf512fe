// Dragging a sizable band's top or bottom edge (the rebar's mouse and cursor
// hooks), and keeping the layout through a native band drag (the drag hook).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "commandbars/commandbar_globals.h"
#include "commandbars/rebar/rebar_band_layout.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"

namespace kelvra {

namespace {

constexpr int kEdgeReach = 2;

struct BandGeometry {
  RECT rect{};  // in the host's client coordinates
  uint32_t style = 0;
  int32_t childHeight = 0;
};

BandGeometry ReadBand(HWND rebar, HWND host, int index) {
  BandGeometry band;
  SendMessageW(rebar, RB_GETRECT, index, reinterpret_cast<LPARAM>(&band.rect));
  MapWindowPoints(rebar, host, reinterpret_cast<POINT*>(&band.rect), 2);
  REBARBANDINFOW info{};
  info.cbSize = kRebarBandInfoSize;
  info.fMask = RBBIM_STYLE | RBBIM_CHILDSIZE;
  SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
  band.style = info.fStyle;
  band.childHeight = static_cast<int32_t>(info.cyMinChild);
  return band;
}

bool FillOrSizable(uint32_t style) { return (style & (kRebarBandFillBits | kRebarBandSizableHeight)) != 0; }

LRESULT CALLBACK RebarCursorHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (message->message == WM_SETCURSOR) {
      int32_t& mode = Rebars().sizing.cursorMode;
      if (mode == -1 || mode == -2) {
        SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
      } else {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        mode = 0;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void InstallCursorHook() {
  HHOOK& hook = CommandBarState().rebarCursorHook;
  if (!hook) hook = SetWindowsHookExW(WH_CALLWNDPROCRET, RebarCursorHookProc, nullptr, GetCurrentThreadId());
}

// The pointer left every edge: the cursor the hooks set goes back to the arrow.
// Only once: setting the arrow on every move would take other windows' cursors.
void LeaveEdge() {
  HHOOK& hook = CommandBarState().rebarCursorHook;
  if (!hook) return;
  UnhookWindowsHookEx(hook);
  hook = nullptr;
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  Rebars().sizing.cursorMode = 0;
}

void StartSizing(RebarRecord& rebar, int index, int edge, POINT point) {
  BandEdgeSizing& sizing = Rebars().sizing;
  const HWND host = rebar.parent;
  if (GetForegroundWindow() != GetAncestor(host, GA_ROOT)) SetForegroundWindow(GetAncestor(host, GA_ROOT));
  SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
  sizing.cursorMode = -2;
  sizing.band = index;
  sizing.edge = edge;
  sizing.rebar = rebar.Window();
  sizing.host = host;
  sizing.lastY = point.y;
  CommandBarState().settings.hostSizingFlag = -1;
  SetCapture(edge == 0 ? host : rebar.Window());
}

// Near an edge of a sizable band of one of the rebars on the pointer's window:
// the cursor shows it, and a press starts sizing.
void WatchEdges(WPARAM message, const MOUSEHOOKSTRUCT& mouse) {
  const HWND top = mouse.hwnd ? GetAncestor(mouse.hwnd, GA_ROOT) : nullptr;
  const bool press = message == WM_LBUTTONDOWN || message == WM_NCLBUTTONDOWN;
  bool nearEdge = false;
  for (RebarRecord& rebar : RebarList()) {
    if (rebar.parent != top || nearEdge) continue;
    const HWND window = rebar.Window();
    POINT point = mouse.pt;
    ScreenToClient(rebar.parent, &point);
    const int count = static_cast<int>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      const BandGeometry band = ReadBand(window, rebar.parent, index);
      if (!(band.style & kRebarBandSizableHeight) || (band.style & RBBS_HIDDEN)) continue;
      if (point.x < band.rect.left || point.x >= band.rect.right) continue;
      int edge = 1;
      if (std::abs(point.y - band.rect.top) <= kEdgeReach) edge = 0;
      else if (std::abs(point.y - band.rect.bottom) <= kEdgeReach) edge = -1;
      if (edge == 1) continue;
      nearEdge = true;
      InstallCursorHook();
      Rebars().sizing.cursorMode = -1;
      if (press) StartSizing(rebar, index, edge, point);
      break;
    }
  }
  if (!nearEdge) LeaveEdge();
}

void EndSizing() {
  BandEdgeSizing& sizing = Rebars().sizing;
  LeaveEdge();
  const HWND host = sizing.host;
  const bool resized = sizing.hostResized;
  const RECT now = sizing.hostNow;
  sizing = BandEdgeSizing{};
  CommandBarState().settings.hostSizingFlag = 0;
  ReleaseCapture();
  if (resized && IsWindow(host)) {
    SendMessageW(host, WM_SETREDRAW, TRUE, 0);
    MoveWindow(host, now.left, now.top, now.right - now.left, now.bottom - now.top, TRUE);
    RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

LRESULT CALLBACK RebarMouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && lParam && !Rebars().drag.rebar) {
    try {
      const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
      BandEdgeSizing& sizing = Rebars().sizing;
      if (sizing.band == -1) {
        if (CommandBarState().settings.hostSizingFlag == 0) WatchEdges(wParam, mouse);
      } else if (!FindRebarByWindow(sizing.rebar)) {
        EndSizing();
      } else if (wParam == WM_MOUSEMOVE || wParam == WM_NCMOUSEMOVE) {
        POINT point = mouse.pt;
        ScreenToClient(sizing.host, &point);
        if (point.y != sizing.lastY) {
          sizing.lastY = point.y;
          ApplyRebarBandResize(sizing.rebar, sizing.band, sizing.edge, point.y);
        }
      } else if (wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP) {
        EndSizing();
      }
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RebarDragMouseHook(int code, WPARAM wParam, LPARAM lParam) {
  const BandDrag& drag = Rebars().drag;
  if (code >= 0 && drag.rebar && FindRebarByWindow(drag.rebar)) {
    try {
      const int index = static_cast<int>(SendMessageW(drag.rebar, RB_IDTOINDEX, drag.bandId, 0));
      const int rows = static_cast<int>(SendMessageW(drag.rebar, RB_GETROWCOUNT, 0, 0));
      if (index != drag.startIndex || rows != drag.startRows) {
        SendMessageW(drag.rebar, WM_SETREDRAW, FALSE, 0);
        Rebars().drag.redrawOff = true;
        LayoutRebarBands(drag.host);
      }
      ToolbarBandRefit(drag.rebar);
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

RECT HostRect(HWND host) {
  RECT rect{};
  GetWindowRect(host, &rect);
  if (GetWindowLongW(host, GWL_STYLE) & WS_CHILD) MapWindowPoints(HWND_DESKTOP, GetParent(host), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The delta that keeps the band at least minRow + 4 high, or 0 when no delta
// between the asked one and 0 does.
int KeepRowFloor(int delta, int height, int minRow) {
  if (height + delta - 4 >= minRow) return delta;
  const int needed = minRow + 4 - height;
  return (needed >= std::min(delta, 0) && needed <= std::max(delta, 0)) ? needed : 0;
}

}  // namespace

void InstallRebarMouseHook() {
  HHOOK& hook = CommandBarState().rebarMouseHook;
  if (!hook) hook = SetWindowsHookExW(WH_MOUSE, RebarMouseHook, nullptr, GetCurrentThreadId());
}

void ApplyRebarBandResize(HWND rebar, int32_t index, int32_t edge, int32_t y) {
  const RebarRecord* record = FindRebarByWindow(rebar);
  if (!record) return;
  const HWND host = record->parent;
  const int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
  if (index < 0 || index >= count) return;
  const BandGeometry band = ReadBand(rebar, host, index);
  const int t = band.rect.top, b = band.rect.bottom;
  int minRow = 0;
  for (int other = 0; other < count; ++other) {
    if (other == index) continue;
    const BandGeometry o = ReadBand(rebar, host, other);
    if (o.rect.top == t && !FillOrSizable(o.style)) minRow = std::max(minRow, o.childHeight);
  }

  int neighbour = -1;
  if (edge != 0) {
    for (int other = index + 1; other < count && neighbour == -1; ++other) {
      const BandGeometry o = ReadBand(rebar, host, other);
      if (o.rect.top > t) neighbour = other;
    }
  } else {
    for (int other = index - 1; other >= 0 && neighbour == -1; --other) {
      const BandGeometry o = ReadBand(rebar, host, other);
      if (o.rect.top < t) neighbour = other;
    }
  }
  const BandGeometry next = neighbour >= 0 ? ReadBand(rebar, host, neighbour) : BandGeometry{};

  if (neighbour >= 0 && FillOrSizable(next.style)) {
    int delta = edge != 0 ? std::min<int>(y, next.rect.bottom - 6) - b : t - std::max<int>(y, next.rect.top + 6);
    delta = KeepRowFloor(delta, band.childHeight, minRow);
    if (!delta) return;
    SendMessageW(rebar, WM_SETREDRAW, FALSE, 0);
    SetRebarBandChildHeight(rebar, index, band.childHeight + delta);
    SetRebarBandChildHeight(rebar, neighbour, next.childHeight - delta);
    SendMessageW(rebar, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(rebar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return;
  }

  // The host grows or shrinks with the band.
  if (IsZoomed(host) || IsZoomed(GetAncestor(host, GA_ROOT))) return;
  RECT hostRect = HostRect(host);
  int delta = 0;
  if (edge != 0) {
    delta = y - b;
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    if (hostRect.bottom + delta > desktop.bottom) delta = desktop.bottom - hostRect.bottom;
  } else {
    delta = t - y;
    if (hostRect.top - delta < 0) delta = hostRect.top;
  }
  delta = KeepRowFloor(delta, band.childHeight, minRow);
  if (!delta) return;
  BandEdgeSizing& sizing = Rebars().sizing;
  if (!sizing.hostResized) sizing.hostBefore = hostRect;
  SetRebarBandChildHeight(rebar, index, band.childHeight + delta);
  if (edge != 0) hostRect.bottom += delta;
  else hostRect.top -= delta;
  MoveWindow(host, hostRect.left, hostRect.top, hostRect.right - hostRect.left, hostRect.bottom - hostRect.top, TRUE);
  sizing.hostResized = true;
  sizing.hostNow = hostRect;
}

void BeginRebarBandDrag(HWND rebar, HWND host, int32_t bandId, int32_t bandIndex) {
  BandDrag& drag = Rebars().drag;
  drag = BandDrag{};
  drag.rebar = rebar;
  drag.host = host;
  drag.bandId = bandId;
  drag.startIndex = bandIndex;
  drag.startRows = static_cast<int32_t>(SendMessageW(rebar, RB_GETROWCOUNT, 0, 0));
  HHOOK& hook = CommandBarState().rebarDragHook;
  if (!hook) hook = SetWindowsHookExW(WH_MOUSE, RebarDragMouseHook, nullptr, GetCurrentThreadId());
}

void EndRebarBandDrag() {
  HHOOK& hook = CommandBarState().rebarDragHook;
  if (hook) UnhookWindowsHookEx(hook);
  hook = nullptr;
  BandDrag drag = Rebars().drag;
  Rebars().drag = BandDrag{};
  // The drag hook switched the rebar's drawing off to lay it out: on again, or
  // it would never paint after the drag.
  if (drag.redrawOff && IsWindow(drag.rebar)) {
    SendMessageW(drag.rebar, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(drag.rebar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

}  // namespace kelvra
