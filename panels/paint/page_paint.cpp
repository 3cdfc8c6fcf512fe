// PaintPanelExPage: one page drawn completely, off-screen, into the back buffer
// of the panel that owns the outermost page, then copied to the screen once.
// Records and buffers are read and written with PanelLock held; the lock is
// released around every call out (the panel's callback, the parent's background,
// group boxes printing, nested pages), after which the page is found again by
// window and the buffers checked: a callback may free its own panel.
#include "panels/paint/page_paint.h"

#include <algorithm>

#include "core/library/reentrant_lock.h"
#include "core/platform/uxtheme_api.h"
#include "panels/paint/page_paint_buffers.h"
#include "panels/paint/page_paint_children.h"
#include "panels/paint/page_paint_steps.h"
#include "panels/paint/parent_background.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

// One paint: handles and values only, never record pointers across a call out.
struct Paint {
  HDC paintDc = nullptr;
  HWND page = nullptr, panel = nullptr;
  HWND target = nullptr;    // whose coordinates dc is addressed in
  bool top = false;         // the page paints itself
  bool output = true;       // copy the result to paintDc
  HDC dc = nullptr;         // the working DC
  RECT r{};                 // the work rectangle in dc's logical coordinates
  RECT pageRect{};          // top: the work rectangle in page coordinates
  bool alphaDrawing = false;
  uint16_t alpha = 255;
  bool ownAlpha = false;    // dc is this page's own alpha buffer, blended at the end
  HDC blendDc = nullptr;    // where it is blended: the back buffer (top) or paintDc
  RECT blendRect{};         // r in blendDc's logical coordinates
  HDC backDc = nullptr;     // top: the panel's back buffer
  PanelBufferToken tokens[3];
  int tokenCount = 0;
  PaintClipSlot* clip = nullptr;
};

void Hold(Paint& p, HDC dc) {
  if (const PanelBufferToken token = PanelBufferTokenOf(dc)) p.tokens[p.tokenCount++] = token;
}

bool BuffersStillThere(const Paint& p) {
  for (int i = 0; i < p.tokenCount; ++i)
    if (!PanelBufferStillThere(p.tokens[i])) return false;
  return true;
}

// The page again, or nullptr when it, its panel or a buffer this paint writes
// to went while messages ran.
PanelExPageRecord* Refind(const Paint& p) {
  PanelExPageRecord* page = FindPanelExPageByWindow(p.page);
  if (!page || page->freeing || !page->panel || page->panelWindow != p.panel) return nullptr;
  if (FindPanelExByWindow(p.panel) != page->panel || !BuffersStillThere(p)) return nullptr;
  return page;
}

bool StillDrawing(void* context) { return Refind(*static_cast<const Paint*>(context)) != nullptr; }

bool SitsOnAnotherPanelsPage(HWND panel) {
  const HWND page = GetAncestor(panel, GA_PARENT);
  const HWND outer = page ? GetAncestor(page, GA_PARENT) : nullptr;
  return outer && FindPanelExByWindow(outer);
}

// The panel's client area less the page's scroll bars, in panel coordinates.
RECT WorkRect(const PanelExPageRecord& page) {
  RECT r{};
  GetClientRect(page.panelWindow, &r);
  if (page.verticalBarOn) r.right -= GetSystemMetrics(SM_CXHTHUMB);
  if (page.horizontalBarOn) r.bottom -= GetSystemMetrics(SM_CYVTHUMB);
  return r;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The callback with the DC's origin at the work rectangle's top-left corner.
bool CallBack(Paint& p, LockGuard& lock, UINT message) {
  PanelExPageRecord* page = Refind(p);
  if (!page) return false;
  const WNDPROC callback = page->panel->callback;
  if (!callback) return true;
  POINT origin{};
  GetWindowOrgEx(p.dc, &origin);
  SetWindowOrgEx(p.dc, origin.x - p.r.left, origin.y - p.r.top, nullptr);
  lock.Unlock();
  CallWindowProcW(callback, p.page, message, reinterpret_cast<WPARAM>(p.dc), reinterpret_cast<LPARAM>(p.panel));
  if (!lock.Relock()) return false;
  if (BuffersStillThere(p)) SetWindowOrgEx(p.dc, origin.x, origin.y, nullptr);
  return Refind(p) != nullptr;
}

// The page's direct children that the painter draws: group boxes, and panels (in
// panel-list order, which decides which nested panel lies on top).
void CollectChildren(const Paint& p, PagePaintCache& cache) {
  cache.groupBoxes.clear();
  cache.nestedPanels.clear();
  for (HWND child = GetWindow(p.page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (FindPanelExByWindow(child)) cache.nestedPanels.push_back(child);
    else if (IsGroupBox(child)) cache.groupBoxes.push_back(child);
  }
  if (cache.nestedPanels.size() < 2) return;
  cache.panelOrder.assign(cache.nestedPanels.begin(), cache.nestedPanels.end());
  std::sort(cache.panelOrder.begin(), cache.panelOrder.end());
  cache.nestedPanels.clear();
  for (const PanelExRecord& panel : PanelExList())
    if (std::binary_search(cache.panelOrder.begin(), cache.panelOrder.end(), panel.Window()))
      cache.nestedPanels.push_back(panel.Window());
}

// The children lists are the page's, found again after each call out: the page
// may go (its lists with it), and a repaint of it meanwhile may refill them.
HWND ChildAt(const Paint& p, std::vector<HWND> PagePaintCache::*list, size_t index) {
  PanelExPageRecord* page = Refind(p);
  const PagePaintCache* cache = page ? page->paintCache.get() : nullptr;
  return cache && index < (cache->*list).size() ? (cache->*list)[index] : nullptr;
}

bool PrintGroupBoxes(Paint& p, LockGuard& lock) {
  GroupBoxPrintParams params{p.page, p.target, p.dc, p.alphaDrawing, StillDrawing, &p};
  for (size_t i = 0;; ++i) {
    const HWND child = ChildAt(p, &PagePaintCache::groupBoxes, i);
    if (!child) return Refind(p) != nullptr;
    lock.Unlock();
    PrintGroupBoxChildProc(child, reinterpret_cast<LPARAM>(&params));
    if (!lock.Relock() || params.stopped) return false;
  }
}

// Each visible panel on the page draws its current page into this page's DC,
// cut at the panel's edges unless that page asks otherwise.
bool PaintNestedPages(Paint& p, LockGuard& lock) {
  for (size_t i = 0;; ++i) {
    const HWND panelWindow = ChildAt(p, &PagePaintCache::nestedPanels, i);
    if (!panelWindow) return Refind(p) != nullptr;
    PanelExRecord* panel = FindPanelExByWindow(panelWindow);
    PanelExPageRecord* nested = panel ? panel->currentPage : nullptr;
    if (!nested || nested->freeing || !IsWindowVisible(panelWindow)) continue;
    RECT inTarget{}, inPage{};
    GetClientRect(panelWindow, &inTarget);
    inPage = inTarget;
    MapWindowPoints(panelWindow, p.target, reinterpret_cast<POINT*>(&inTarget), 2);
    MapWindowPoints(panelWindow, p.page, reinterpret_cast<POINT*>(&inPage), 2);
    if (!IsRectInParentClient(inTarget, p.target) || !IsRectInParentClient(inPage, p.page)) continue;
    nested->paintState = 2;
    const HWND nestedWindow = nested->window;
    const bool unclipped = (nested->backgroundSet.flags & kImageNoClip) != 0;
    const int saved = SaveDC(p.dc);
    if (!unclipped) IntersectClipRect(p.dc, inTarget.left, inTarget.top, inTarget.right, inTarget.bottom);
    lock.Unlock();
    PaintPage(p.dc, nestedWindow, p.target, p.alphaDrawing, true);
    if (!lock.Relock()) return false;
    if (saved && BuffersStillThere(p)) RestoreDC(p.dc, saved);
    if (PanelExPageRecord* again = FindPanelExPageByWindow(nestedWindow)) again->paintState = 1;
  }
}

void Output(const Paint& p) {
  if (p.ownAlpha) {
    const int width = Width(p.r), height = Height(p.r);
    const AlphaBlendFunction blend = AlphaBlendAddress();
    if (p.alpha > 0 && blend) {
      const BLENDFUNCTION function{AC_SRC_OVER, 0, static_cast<BYTE>(p.alpha), AC_SRC_ALPHA};
      blend(p.blendDc, p.blendRect.left, p.blendRect.top, width, height, p.dc, p.r.left, p.r.top, width, height,
            function);
    }
    // Empty again for the next paint, which draws over transparent black.
    if (image::RuntimeImage* alphaImage = PanelBufferImageOf(p.dc))
      FillImagePixels(*alphaImage, RECT{0, 0, width, height}, 0);
  }
  if (!p.top || !p.output) return;
  // Only what the paint DC lets through, which lies within the work rectangle.
  // A page at alpha 0 shows what lies behind it (its parent's background), not
  // its last frame.
  RECT box{};
  const int kind = GetClipBox(p.paintDc, &box);
  if (kind == NULLREGION || kind == ERROR || !IntersectRect(&box, &box, &p.pageRect)) return;
  BitBlt(p.paintDc, box.left, box.top, Width(box), Height(box), p.backDc, box.left, box.top, SRCCOPY);
}

}  // namespace

void PaintPage(HDC paintDc, HWND pageWindow, HWND target, bool nestedAlpha, bool output) {
  if (!paintDc || !pageWindow) return;
  PaintSlot slot;
  LockGuard lock(Locks().panel);
  if (!lock) return;
  PanelExPageRecord* page = FindPanelExPageByWindow(pageWindow);
  if (!page || page->freeing || !page->panel) return;
  PanelExRecord& panel = *page->panel;
  Paint p;
  p.paintDc = paintDc;
  p.page = pageWindow;
  p.panel = panel.Window();
  p.output = output;
  p.clip = slot.clip();

  // A page whose panel sits on another panel's page is drawn by that page: on its
  // first paint it learns so and gives up its buffer.
  if (page->paintState == 0 && SitsOnAnotherPanelsPage(p.panel)) {
    ReleasePanelBuffer(panel, PanelBufferKind::Back);
    page->paintState = 1;
    return;
  }
  p.top = target == nullptr;
  p.target = p.top ? pageWindow : target;
  if (p.top && page->paintState != 0) return;

  RECT r = WorkRect(*page);
  MapWindowPoints(p.panel, p.target, reinterpret_cast<POINT*>(&r), 2);
  // Panels squeezed to nothing (or narrower than their scroll bar) draw nothing.
  if (Width(r) <= 0 || Height(r) <= 0) return;
  if (p.top) {
    if (!EnsurePanelBuffer(panel, PanelBufferKind::Back, Width(r), Height(r), paintDc)) return;
    p.backDc = panel.backBuffer.dc.get();
    // Page coordinates address the buffer; static controls' brushes rely on it.
    SetWindowOrgEx(p.backDc, r.left, r.top, nullptr);
    p.dc = p.backDc;
    p.pageRect = r;
  } else {
    p.dc = paintDc;
  }
  Hold(p, p.dc);
  p.r = r;
  p.alphaDrawing = nestedAlpha;
  p.alpha = page->alpha;
  if (p.alpha < 255) {
    if (!EnsurePanelBuffer(panel, PanelBufferKind::Alpha, Width(r), Height(r), paintDc)) return;
    p.ownAlpha = true;
    p.blendDc = p.dc;
    p.blendRect = r;
    // Drawn in this page's own coordinates, with the buffer's pixel (0, 0) at the
    // work rectangle's corner, so that pages nested in it land where they belong.
    if (!p.top) MapWindowPoints(p.target, pageWindow, reinterpret_cast<POINT*>(&p.r), 2);
    p.target = pageWindow;
    p.dc = panel.alphaBuffer.dc.get();
    // Emptied after every paint; a paint cut short by its callback may not have.
    FillImagePixels(*panel.alphaBuffer.image, RECT{0, 0, Width(r), Height(r)}, 0);
    SetWindowOrgEx(p.dc, p.r.left, p.r.top, nullptr);
    Hold(p, p.dc);
    p.alphaDrawing = true;
  }

  const bool parentBackground = p.top && NeedsParentBackground(*page);
  if (parentBackground) {
    lock.Unlock();
    DrawParentBackground(p.backDc, pageWindow, p.panel, GetAncestor(p.panel, GA_PARENT));
    if (!lock.Relock() || !(page = Refind(p))) return;
  }

  LayerTarget layers;
  layers.dc = p.dc;
  layers.r = p.r;
  layers.clip = p.clip;
  layers.top = p.top;
  layers.alphaDrawing = p.alphaDrawing;
  layers.parentBackground = parentBackground;
  layers.unclipped = !p.top && (page->backgroundSet.flags & kImageNoClip);
  PaintBackgroundLayers(*page, layers);
  if (PagePaintCache* cache = PaintCacheOf(*page)) CollectChildren(p, *cache);

  if (!CallBack(p, lock, WM_ERASEBKGND)) return;
  if (!PrintGroupBoxes(p, lock)) return;
  if (!PaintNestedPages(p, lock)) return;
  page = Refind(p);
  if (!page) return;
  RemoveShapeClip(p.dc, p.clip);
  DrawPageBorder(p.dc, p.r, *page);
  if (!CallBack(p, lock, WM_PAINT)) return;
  Output(p);
  SelectClipRgn(p.dc, nullptr);
}

void PaintPanelExPage(HDC paintDc, HWND page, HWND target, bool nestedAlpha) {
  try {
    PaintPage(paintDc, page, target, nestedAlpha, true);
  } catch (...) {
  }
}

}  // namespace kelvra
