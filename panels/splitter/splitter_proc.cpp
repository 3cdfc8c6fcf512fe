// SplitterExContainerProc and SplitterExBarProc: the PanelExCallbacks of a
// splitter's two panels. The container lays out on resize and follows skin
// changes; the bar is the state machine of hover, press, drag and release.
#include "core/library/library_messages.h"
#include "panels/splitter/splitter_drag.h"
#include "panels/splitter/splitter_move.h"
#include "panels/splitter/splitter_operations.h"
#include "panels/splitter/splitter_registry.h"
#include "panels/splitter/splitter_skin.h"

namespace kelvra {

namespace {

LRESULT ContainerDispatch(HWND window, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // With the container panel: its pages were fitted already.
      if (const SplitterExRecord* splitter = SplitterExList().FindByWindow(window))
        LayOutSplitterExOnResize(*splitter, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case SkinChangedMessage: OnSplitterSkinChanged(window, lParam); return 0;  // the page's call of the two
    default: return 0;
  }
}

LRESULT OnCaptureChanged(SplitterExRecord& splitter) {
  if (SplitterReleasingCapture()) return 0;  // the drag's own end
  if (splitter.dragging) {
    // Another window took the capture: the drag ends here.
    EndSplitterDrag(splitter, PointerLParam(splitter.barPage));
    return 0;
  }
  SplitterExFamilyState& family = SplitterExFamily();
  if (family.hoverBarPage != splitter.barPage) return 0;
  family.hoverBarPage = nullptr;
  if (family.layout.active != 1) ShowSplitterBarState(splitter, kSplitterNormal);
  return 0;
}

LRESULT BarDispatch(HWND window, UINT message, LPARAM lParam) {
  SplitterExRecord* splitter = FindSplitterExByBarPage(window);
  if (!splitter) return 0;  // the panel's own calls
  switch (message) {
    case WM_MOUSEMOVE: OnSplitterBarMouseMove(*splitter); return 0;
    case WM_MOUSELEAVE: OnSplitterBarLeave(*splitter); return 0;
    case WM_LBUTTONDOWN: StartSplitterDrag(*splitter, lParam); return 0;
    // A release that ends no drag (after an ignored press, say) changes nothing.
    case WM_LBUTTONUP: EndSplitterDrag(*splitter, lParam); return 0;
    case WM_CAPTURECHANGED: return OnCaptureChanged(*splitter);
    case SplitterDragStepMessage: StepSplitterDrag(*splitter); return 0;
    default: return 0;
  }
}

}  // namespace

LRESULT CALLBACK SplitterExContainerProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  try {
    return ContainerDispatch(window, message, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT CALLBACK SplitterExBarProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  try {
    return BarDispatch(window, message, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvra
