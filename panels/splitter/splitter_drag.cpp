// Dragging a splitter's bar. The low-level mouse hook only notes where the
// pointer is and asks the bar page, by a posted message that waits at most once,
// to move on its own turn: a hook that overruns the system's time-out is passed
// over and, on newer systems, removed without a word. The drag itself ends with
// the bar's capture (the captured release, or the capture taken away), so a hook
// the system dropped cannot leave a drag running.
#include "panels/splitter/splitter_drag.h"

#include "core/library/library_globals.h"
#include "core/library/library_messages.h"
#include "panels/page/page_invalidation.h"
#include "panels/splitter/splitter_move.h"
#include "panels/splitter/splitter_registry.h"
#include "panels/splitter/splitter_skin.h"

namespace kelvra {

namespace {

bool releasingCapture = false;

POINT ClientToScreenPoint(HWND window, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &point);
  return point;
}

void RemoveHook(SplitterLayoutState& layout) {
  if (!layout.hook) return;
  UnhookWindowsHookEx(layout.hook);
  layout.hook = nullptr;
}

// The hook, the capture and the drag flag go; true when a drag of this
// splitter was running.
bool StopDrag(SplitterExRecord& splitter) {
  if (!splitter.dragging) return false;
  splitter.dragging = false;
  SplitterLayoutState& layout = SplitterExFamily().layout;
  RemoveHook(layout);
  layout.active = -1;
  const HWND barPage = splitter.barPage;
  if (GetCapture() == barPage) {
    releasingCapture = true;
    ReleaseCapture();
    releasingCapture = false;
  }
  return true;
}

SplitterExRecord* Again(int32_t number, HWND barPage) {
  SplitterExRecord* splitter = FindSplitterExByBarPage(barPage);
  return splitter && splitter->number == number ? splitter : nullptr;
}

// The click-to-snap bookkeeping of a release at `release` (screen).
void SnapOnRelease(SplitterExRecord& splitter, POINT release) {
  if (!splitter.snapMode) return;
  const SplitterMetrics metrics = splitter.Metrics();
  const SIZE page = ClientSize(splitter.containerPage);
  SnapRelease r;
  r.mode = splitter.snapMode;
  r.bar = BarBoxInContainer(splitter.bar, splitter.containerPage);
  r.width = page.cx;
  r.height = page.cy;
  r.click = metrics.stacked ? release.y == splitter.pressPoint.y : release.x == splitter.pressPoint.x;
  r.restore = splitter.restore;
  const SnapOutcome out = ReleaseOnSnap(metrics, r);
  splitter.snapped = out.snapped;
  splitter.restore = out.restore;
  if (out.target) RelayOutSplitterEx(splitter, out.target);
}

}  // namespace

bool SplitterReleasingCapture() { return releasingCapture; }

LPARAM PointerLParam(HWND window) {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(window, &point);
  return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

void PostSplitterMessage(HWND barPage, UINT message, LPARAM lParam) {
  const HWND root = GetAncestor(barPage, GA_ROOT);
  if (root) PostMessageW(root, message, reinterpret_cast<WPARAM>(barPage), lParam);
}

void StartSplitterDrag(SplitterExRecord& splitter, LPARAM lParam) {
  const HWND barPage = splitter.barPage;
  const POINT press = ClientToScreenPoint(barPage, lParam);
  const bool stacked = splitter.IsStacked();
  // A second press where the last one was, without a move between: no drag.
  if (stacked ? press.y == splitter.pressPoint.y : press.x == splitter.pressPoint.x) {
    splitter.pressPoint = POINT{-1, -1};
    return;
  }
  SplitterLayoutState& layout = SplitterExFamily().layout;
  // One drag at a time: the layout state is shared.
  if (splitter.dragging || layout.active == 1) return;
  splitter.pressPoint = press;
  splitter.dragging = true;
  PostSplitterMessage(barPage, SplitterDragStartMessage, lParam);

  splitter.visualState = kSplitterPressed;
  const PageLook pressed = splitter.barLooks[kSplitterPressed];
  LoadSplitterLayoutState(splitter, -1, 1);
  layout.lastPointer = press;
  const HWND containerPage = splitter.containerPage;
  const int32_t number = splitter.number;
  SetPageLook(splitter.barPanel, 0, pressed);
  SetCapture(barPage);
  POINT inPage = press;
  ScreenToClient(containerPage, &inPage);
  layout.lastAlong = stacked ? inPage.y : inPage.x;
  MoveSplitterExBar(inPage);
  // The move repainted: the splitter may have been freed, its drag with it.
  SplitterExRecord* again = Again(number, barPage);
  if (!again || !again->dragging) return;
  RemoveHook(layout);
  layout.hook = SetWindowsHookExW(WH_MOUSE_LL, SplitterExDragHookProc, LibraryModule(), 0);
  RedrawPanelExPage(barPage);
}

void StepSplitterDrag(SplitterExRecord& splitter) {
  SplitterLayoutState& layout = SplitterExFamily().layout;
  layout.stepPosted = false;
  if (!splitter.dragging || layout.barPage != splitter.barPage) return;
  POINT point = layout.lastPointer;
  ScreenToClient(splitter.containerPage, &point);
  const SIZE page = ClientSize(splitter.containerPage);
  point.x = point.x < 0 ? 0 : (point.x > page.cx ? page.cx : point.x);
  point.y = point.y < 0 ? 0 : (point.y > page.cy ? page.cy : point.y);
  const int32_t along = layout.metrics.stacked ? point.y : point.x;
  if (along == layout.lastAlong) return;
  layout.lastAlong = along;
  MoveSplitterExBar(point);
}

void EndSplitterDrag(SplitterExRecord& splitter, LPARAM lParam) {
  const HWND barPage = splitter.barPage;
  const int32_t number = splitter.number;
  if (!StopDrag(splitter)) return;
  // Releasing the capture ran window procedures.
  SplitterExRecord* again = Again(number, barPage);
  if (again) SnapOnRelease(*again, ClientToScreenPoint(barPage, lParam));
  PostSplitterMessage(barPage, SplitterDragEndMessage, lParam);
  again = Again(number, barPage);
  if (!again) return;
  POINT pointer{};
  GetCursorPos(&pointer);
  if (WindowFromPoint(pointer) != barPage) {
    OnSplitterBarLeave(*again);
    return;
  }
  // Still over the bar: it stays hot, and waits for its leave again (the
  // capture may have cut the tracking short).
  SplitterExFamilyState& family = SplitterExFamily();
  if (family.hoverBarPage != barPage) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, barPage, 0};
    TrackMouseEvent(&track);
    family.hoverBarPage = barPage;
  }
  ShowSplitterBarState(*again, kSplitterHot);
}

void AbandonSplitterDrag(SplitterExRecord& splitter) {
  const HWND barPage = splitter.barPage;
  if (!StopDrag(splitter)) return;
  SplitterExFamily().layout.active = 0;
  PostSplitterMessage(barPage, SplitterDragEndMessage, PointerLParam(barPage));
}

LRESULT CALLBACK SplitterExDragHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // Kept short: note the place and ask the bar to move on its own turn.
  if (code == HC_ACTION && lParam) {
    SplitterLayoutState& layout = SplitterExFamily().layout;
    layout.lastPointer = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
    if (!layout.stepPosted && layout.barPage && PostMessageW(layout.barPage, SplitterDragStepMessage, 0, 0))
      layout.stepPosted = true;
    // The release itself reaches the bar through its capture, which ends the drag.
    if (wParam == WM_LBUTTONUP) RemoveHook(layout);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace kelvra
