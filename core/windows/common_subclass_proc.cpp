// CommonSubclassProc: size limits, and the events that keep rebars and panel
// pages fitted as their children move and windows on pages painted right.
// WindowMapLock guards the map's records while a handler reads or changes them,
// and is let go before anything that can run code outside the library: the
// window's own procedure (a frame drag or a message box can run a modal loop for
// seconds), and every call that sends messages. Handlers look their entry up again
// after any such call.
#include "core/windows/common_subclass_proc.h"

#include "commandbars/commandbars_seam.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/win_handles.h"
#include "core/windows/window_geometry.h"
#include "core/windows/window_map.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// Not in every SDK's headers: the system sets it on minimise, maximise and restore.
constexpr UINT kSwpStateChanged = 0x8000;

struct Call {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  WNDPROC saved;  // the window's own procedure, as kept at subclassing
  LockGuard& mapLock;
};

// The window's own procedure, with no library lock of ours held.
LRESULT PassOn(const Call& call) {
  call.mapLock.Unlock();
  if (!call.saved) return DefWindowProcW(call.window, call.message, call.wParam, call.lParam);
  return CallWindowProcW(call.saved, call.window, call.message, call.wParam, call.lParam);
}

bool IsPageWindow(HWND window) {
  const WindowMapEntry* entry = window ? GetWindowMap().Find(window) : nullptr;
  return entry && entry->kind == WindowKindPanelExPage;
}

LRESULT OnMouseMove(const Call& call) {
  if (PointerOverSplitterBar() && GetAncestor(call.window, GA_ROOT) == call.window) return 0;
  return PassOn(call);
}

// The window's current left and top edge in the coordinates of WINDOWPOS: the
// parent's client area for a child, the screen for a top-level window.
POINT CurrentOrigin(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  POINT origin{rect.left, rect.top};
  if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), &origin, 1);
  return origin;
}

void ApplySizeLimits(const WindowMapEntry& entry, HWND window, WINDOWPOS& pos) {
  // A minimise, maximise or restore is the system's own size; a pure move
  // (SWP_NOSIZE, dragging by the caption) carries no meaningful size at all.
  if (pos.flags & (kSwpStateChanged | SWP_NOSIZE)) return;
  if (!entry.minimumWidth && !entry.minimumHeight && !entry.maximumWidth && !entry.maximumHeight) return;
  const POINT origin = CurrentOrigin(window);
  const bool moves = !(pos.flags & SWP_NOMOVE);
  LimitAxis(pos.cx, pos.x, origin.x, entry.minimumWidth, entry.maximumWidth, moves);
  LimitAxis(pos.cy, pos.y, origin.y, entry.minimumHeight, entry.maximumHeight, moves);
}

LRESULT OnWindowPosChanging(const Call& call) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(call.lParam);
  if (!pos) return PassOn(call);
  // A rebar announces its new height to its callback and ancestors: not under the lock.
  // A move without a size keeps the caller's cy in the structure (Wine leaves
  // whatever it was given there), so the rebar is asked instead.
  call.mapLock.Unlock();
  OnRebarWindowPosChanging(call.window, (pos->flags & SWP_NOSIZE) ? 0 : pos->cy);
  if (call.mapLock.Relock())
    if (const WindowMapEntry* entry = GetWindowMap().Find(call.window)) ApplySizeLimits(*entry, call.window, *pos);
  return PassOn(call);
}

LRESULT OnWindowPosChanged(const Call& call) {
  const WindowMapEntry* entry = GetWindowMap().Find(call.window);
  const HWND page = entry ? entry->parentPage : nullptr;
  call.mapLock.Unlock();
  if (page) OnPageChildMoved(page);  // takes PanelLock itself
  return PassOn(call);
}

LRESULT OnShowWindow(const Call& call) {
  WindowMapEntry* entry = GetWindowMap().Find(call.window);
  if (!entry) return PassOn(call);
  const HWND parent = GetParent(call.window);
  HWND oldPage = nullptr;
  if (parent != entry->parentPage) {
    oldPage = entry->parentPage;
    entry->parentPage = parent;
  }
  OnChildShownOnPage(parent, call.window, oldPage, call.mapLock);
  if (!call.mapLock.Held()) return PassOn(call);

  entry = GetWindowMap().Find(call.window);
  if (!entry || !entry->transparentChild) return PassOn(call);
  // A panel is click-through while it sits on a page; panels carry no other
  // extended style, so the style is set whole. Setting it sends the window
  // WM_STYLECHANGING and WM_STYLECHANGED: the lock goes first.
  const bool onPage = IsPageWindow(parent);
  call.mapLock.Unlock();
  const bool transparent = (GetWindowLongW(call.window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
  if (onPage) {
    SetWindowLongW(call.window, GWL_EXSTYLE, WS_EX_TRANSPARENT);
  } else if (transparent) {
    SetWindowLongW(call.window, GWL_EXSTYLE, 0);
    OnPanelLeftPage(call.window);
  }
  return PassOn(call);
}

// A window that paints or erases may show something new: what was kept of its
// drawing goes stale.
void NotePainted(WindowMapEntry* entry) {
  if (entry) entry->paintEpoch = NextPaintEpoch();
}

LRESULT OnPaint(const Call& call) {
  WindowMapEntry* entry = GetWindowMap().Find(call.window);
  NotePainted(entry);
  if (entry && entry->kind == WindowKindGroupBox && IsPageWindow(GetParent(call.window))) {
    // The page painter draws group boxes on pages; painting here would cover it.
    // BeginPaint sends WM_ERASEBKGND, which must not find the lock held.
    call.mapLock.Unlock();
    PaintDc paint(call.window);
    return 1;
  }
  return PassOn(call);
}

struct ClipExclusion {
  HWND window;
  HDC dc;
};

void ExcludePanelFromClip(HWND panel, void* context) {
  const auto& exclusion = *static_cast<const ClipExclusion*>(context);
  // A hidden panel covers nothing: its area is the parent's to erase.
  if (!IsWindowVisible(panel)) return;
  RECT rect{};
  GetWindowRect(panel, &rect);
  MapWindowPoints(HWND_DESKTOP, exclusion.window, reinterpret_cast<POINT*>(&rect), 2);
  ExcludeClipRect(exclusion.dc, rect.left, rect.top, rect.right, rect.bottom);
}

LRESULT OnEraseBackground(const Call& call) {
  WindowMapEntry* entry = GetWindowMap().Find(call.window);
  NotePainted(entry);
  const HDC dc = reinterpret_cast<HDC>(call.wParam);
  if (entry && dc) {
    if (entry->kind == WindowKindPanelExPage) {
      if (IsWindowVisible(call.window)) {
        PaintChildBackgroundParams params{call.window, dc};
        call.mapLock.Unlock();
        EnumChildWindows(call.window, PaintChildBackgroundProc, reinterpret_cast<LPARAM>(&params));
      }
    } else {
      // Panels outside the DC's clip box change nothing by being excluded: only
      // those over it are looked at (a parent erasing a small area, such as the
      // piece behind one page, need not visit each of thousands of panels). The
      // clip box is in the DC's logical coordinates, as are the rectangles
      // excluded. A mirrored parent's coordinates change with its width, which
      // its panels are not told of: those are all looked at.
      RECT box{};
      const int clip = GetClipBox(dc, &box);
      const bool mirrored = (GetWindowLongW(call.window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
      const RECT* area = clip == ERROR || mirrored ? nullptr : &box;
      LockGuard panelLock(Locks().panel);
      ClipExclusion exclusion{call.window, dc};
      if (panelLock && clip != NULLREGION) ForEachPanelExWithParent(call.window, area, ExcludePanelFromClip, &exclusion);
    }
  }
  return PassOn(call);
}

LRESULT OnNcDestroy(const Call& call) {
  // The original procedure sees WM_NCDESTROY (and everything before it) so that
  // it can free its per-window state; only then do the entry and subclass go.
  const LRESULT result = PassOn(call);
  RestoreOwnProcedure(call.window, call.saved);
  ForgetSavedProcedure(call.window);
  if (call.mapLock.Relock()) GetWindowMap().Remove(call.window);
  return result;
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC saved = SavedProcedureOf(window);
  LockGuard mapLock(Locks().windowMap);
  const WindowMapEntry* entry = mapLock ? GetWindowMap().Find(window) : nullptr;
  if (entry && !saved) saved = entry->savedProcedure;
  const Call call{window, message, wParam, lParam, saved, mapLock};
  if (!entry) {
    // The lock could not be taken, or the window has no entry: the library's own
    // work is skipped, never the message. A swallowed WM_PAINT would come back
    // forever; a swallowed WM_NCDESTROY would never reach the window's own code.
    const LRESULT result = PassOn(call);
    if (message == WM_NCDESTROY) {
      RestoreOwnProcedure(window, saved);
      ForgetSavedProcedure(window);
    }
    return result;
  }
  // The gadget code may release the lock around its redraws and takes it back;
  // every branch below looks the entry up again.
  if (const LRESULT handled = ToolBarExGadgetSubclass(window, message, wParam, lParam)) return handled;
  if (!mapLock.Held() && !mapLock.Relock()) return PassOn(call);
  switch (message) {
    case WM_MOUSEMOVE: return OnMouseMove(call);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(call);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(call);
    case WM_SHOWWINDOW: return OnShowWindow(call);
    case WM_PAINT: return OnPaint(call);
    case WM_ERASEBKGND: return OnEraseBackground(call);
    case WM_NCDESTROY: return OnNcDestroy(call);
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: ++WindowLookEpoch(); return PassOn(call);
    default: return PassOn(call);
  }
}

}  // namespace

LRESULT CALLBACK CommonSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Dispatch(window, message, wParam, lParam);
  } catch (...) {
    // Our own work failed; the message still belongs to the window.
    try {
      const WNDPROC saved = SavedProcedureOf(window);
      return saved ? CallWindowProcW(saved, window, message, wParam, lParam)
                   : DefWindowProcW(window, message, wParam, lParam);
    } catch (...) {
      return 0;
    }
  }
}

}  // namespace kelvra
