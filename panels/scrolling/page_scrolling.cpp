// SetPanelExPageScrolling and GetPanelExPageScrolling: a page's scroll bars made,
// shown and hidden on request, and its automatic scrolling switched.
#include "commandbars/commandbars_seam.h"
#include "core/library/reentrant_lock.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/scrolling/page_scrolling.h"
#include "panels/panel/panel_classes.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

struct ScrollRequest {
  int horizontal = 0, vertical = 0;  // +1 on, -1 off, 0 untouched
  bool visible = false;              // the bars asked for are made visible
  DWORD keyboardThread = 0;          // auto-scroll switched on: the page's thread
};

HWND MakeBar(HWND parent, DWORD style, int width, int height) {
  return CreateWindowExW(0, L"SCROLLBAR", nullptr, style | WS_CHILD, 0, 0, width, height, parent, nullptr,
                         PanelModule(), nullptr);
}

// Reads the attribute bits into a request; flags that are only stored are stored.
ScrollRequest ReadRequest(PanelExPageRecord& page, int32_t attributes, int32_t onOff) {
  ScrollRequest request;
  // On is exactly 1 and off exactly 0: any other value changes nothing.
  if (onOff != 0 && onOff != 1) return request;
  const int direction = onOff ? 1 : -1;
  if (attributes & kScrollHorizontalBar) request.horizontal = direction;
  if (attributes & kScrollVerticalBar) request.vertical = direction;
  request.visible = onOff && (attributes & (kScrollHorizontalBar | kScrollVerticalBar));
  if (attributes & kScrollNoAutoHorizontal) page.noAutoHorizontalBar = onOff;
  if (attributes & kScrollNoAutoVertical) page.noAutoVerticalBar = onOff;
  if (attributes & kScrollAttribute128) page.attribute128 = onOff;
  if (attributes & kScrollAuto) {
    page.autoScroll = onOff;
    if (onOff) {
      request.horizontal = request.vertical = 1;
      request.keyboardThread = GetWindowThreadProcessId(page.window, nullptr);
    }
  }
  return request;
}

// Both bars and the box as children of the panel, for a page that had neither
// bar; the content measured and the bars set up in `fit`. PanelLock is released
// while the windows are made; false when the page went meanwhile (what was made
// is destroyed).
bool MakeBothBars(PanelExPageRecord*& page, DWORD style, bool on, LockGuard& lock, PageFit& fit) {
  const HWND pageWindow = page->window, panelWindow = page->panelWindow;
  RECT client{};
  GetClientRect(pageWindow, &client);
  const int w = client.right, h = client.bottom;
  const int tx = GetSystemMetrics(SM_CXHTHUMB), ty = GetSystemMetrics(SM_CYVTHUMB);
  const DWORD clip = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  lock.Unlock();
  HWND horizontal = MakeBar(panelWindow, style | SBS_BOTTOMALIGN | clip, w - tx, h);
  HWND vertical = MakeBar(panelWindow, style | SBS_VERT | SBS_RIGHTALIGN | clip, w, h - ty);
  HWND box = CreateScrollbarBox(panelWindow, w - tx, h - ty, style & WS_VISIBLE);
  page = lock.Relock() ? FindPanelExPageByWindow(pageWindow) : nullptr;
  if (!page || page->horizontalBar || page->verticalBar) {
    lock.Unlock();
    for (HWND made : {horizontal, vertical, box})
      if (made) DestroyWindow(made);
    lock.Relock();
    return false;
  }
  page->horizontalBar = horizontal;
  page->verticalBar = vertical;
  page->sizeBox = box;
  // A bar asked for visible is on, whether or not its page is showing now.
  page->horizontalBarOn = on && horizontal;
  page->verticalBarOn = on && vertical;
  PageChildrenParams params{pageWindow, 0, 0, 0, 0};
  EnumChildWindows(pageWindow, EnumPageChildrenProc, reinterpret_cast<LPARAM>(&params));
  page->contentExtent.right = params.right;
  page->contentExtent.bottom = params.bottom;
  UpdatePanelExPageScrollBars(*page, fit);
  SizePanelExPageContent(*page, 0, 0, fit);
  return true;
}

// One bar (and, first, a hidden box when the page has none) as a child of the
// page itself: its messages go to the page's callback, not to the library.
// PanelLock is released while the windows are made; false when the page went or
// got that bar meanwhile (what was made is destroyed).
bool MakeSingleBar(PanelExPageRecord*& page, bool horizontal, DWORD style, LockGuard& lock) {
  const HWND pageWindow = page->window;
  RECT client{};
  GetClientRect(pageWindow, &client);
  const int w = client.right, h = client.bottom;
  const bool needBox = !page->sizeBox;
  lock.Unlock();
  HWND box = needBox ? CreateScrollbarBox(pageWindow, w - GetSystemMetrics(SM_CXHTHUMB),
                                          h - GetSystemMetrics(SM_CYVTHUMB), false)
                     : nullptr;
  HWND bar = MakeBar(pageWindow, style | (horizontal ? SBS_BOTTOMALIGN : SBS_VERT | SBS_RIGHTALIGN), w, h);
  page = lock.Relock() ? FindPanelExPageByWindow(pageWindow) : nullptr;
  HWND* slot = page ? (horizontal ? &page->horizontalBar : &page->verticalBar) : nullptr;
  if (!slot || *slot) {
    lock.Unlock();
    for (HWND made : {box, bar})
      if (made) DestroyWindow(made);
    lock.Relock();
    return false;
  }
  HWND spareBox = nullptr;
  if (box && !page->sizeBox) page->sizeBox = box;
  else spareBox = box;
  *slot = bar;
  (horizontal ? page->horizontalBarOn : page->verticalBarOn) = bar ? 1 : 0;
  if (spareBox) {
    lock.Unlock();
    DestroyWindow(spareBox);
    page = lock.Relock() ? FindPanelExPageByWindow(pageWindow) : nullptr;
  }
  return true;
}

// Shows or hides the bars that exist, as asked (into `fit`).
void SwitchBars(PanelExPageRecord& page, const ScrollRequest& request, PageFit& fit) {
  auto plan = [&](HWND bar, int ask, int32_t& on, PageFit::Bar& step) {
    if (!bar || !ask) return;
    on = ask > 0;
    step.window = bar;
    step.hide = ask < 0;
    step.show = ask > 0 && page.shown;
  };
  plan(page.horizontalBar, request.horizontal, page.horizontalBarOn, fit.horizontal);
  plan(page.verticalBar, request.vertical, page.verticalBarOn, fit.vertical);
  // The box, hidden when neither bar is on, is hidden by the layout that follows.
}

}  // namespace

int32_t SetPageScrolling(intptr_t panelKey, intptr_t pageKey, int32_t attributes, int32_t onOff) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  PanelExRecord* panel = FindPanelEx(panelKey);
  PanelExPageRecord* page = panel ? FindPanelExPage(*panel, pageKey) : nullptr;
  if (!page) return 0;
  const HWND pageWindow = page->window;
  const ScrollRequest request = ReadRequest(*page, attributes, onOff);
  // Bars of a page that is not current are made hidden.
  const DWORD style = request.visible && page->shown ? WS_VISIBLE : 0;

  PageFit fit;
  bool kept = true;
  if (request.horizontal > 0 && request.vertical > 0 && !page->horizontalBar && !page->verticalBar)
    kept = MakeBothBars(page, style, request.visible, lock, fit);
  else if (request.horizontal > 0 && !page->horizontalBar)
    kept = MakeSingleBar(page, true, style, lock);
  else if (request.vertical > 0 && !page->verticalBar)
    kept = MakeSingleBar(page, false, style, lock);
  else
    SwitchBars(*page, request, fit);

  if (!kept || !page) page = lock.Held() ? FindPanelExPageByWindow(pageWindow) : nullptr;
  if (page) LayoutPanelExScrollBars(*page, fit);
  lock.Unlock();
  // The menu code takes its own lock: not while PanelLock is held.
  if (request.keyboardThread) InstallMenuKeyboardHook(request.keyboardThread);
  ApplyPageFit(fit);
  return 1;
}

intptr_t GetPageScrolling(intptr_t panelKey, intptr_t pageKey, int32_t attribute) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  const PanelExRecord* panel = FindPanelEx(panelKey);
  const PanelExPageRecord* page = panel ? FindPanelExPage(*panel, pageKey) : nullptr;
  if (!page) return 0;
  switch (attribute) {
    case kScrollHorizontalBar: return page->horizontalBarOn;
    case kScrollVerticalBar: return page->verticalBarOn;
    case kScrollAuto: return page->autoScroll;
    case kScrollHorizontalWindow: return reinterpret_cast<intptr_t>(page->horizontalBar);
    case kScrollVerticalWindow: return reinterpret_cast<intptr_t>(page->verticalBar);
    default: return 0;
  }
}

}  // namespace kelvra
