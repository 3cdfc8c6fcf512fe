// Group boxes printed into page buffers, and the nested-panel visibility test.
#include "panels/paint/page_paint_children.h"

#include <cwchar>

#include "core/library/reentrant_lock.h"
#include "panels/paint/page_paint_scratch.h"

namespace kelvra {

namespace {

constexpr LONG kGroupBoxStyle = 7;  // BS_GROUPBOX, in the low bits of a button's style
constexpr LPARAM kPrintEverything = PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_OWNED;  // 0x36

// The shared group-box surface, or (while it is in use by a print that let a
// nested paint in) one of this print's own.
class GroupBoxCanvas {
 public:
  GroupBoxCanvas() : shared_(!PaintScratch().groupBoxBusy) {
    if (shared_) PaintScratch().groupBoxBusy = true;
  }
  ~GroupBoxCanvas() {
    if (shared_) PaintScratch().groupBoxBusy = false;
  }
  GroupBoxCanvas(const GroupBoxCanvas&) = delete;
  GroupBoxCanvas& operator=(const GroupBoxCanvas&) = delete;
  MemoryCanvas& get() { return shared_ ? PaintScratch().groupBox : own_; }

 private:
  bool shared_;
  MemoryCanvas own_;
};

}  // namespace

bool IsGroupBox(HWND window) {
  if ((GetWindowLongW(window, GWL_STYLE) & kGroupBoxStyle) != kGroupBoxStyle) return false;
  wchar_t name[8] = {};
  return GetClassNameW(window, name, 8) == 6 && _wcsicmp(name, L"Button") == 0;
}

BOOL CALLBACK PrintGroupBoxChildProc(HWND child, LPARAM lParam) {
  auto* params = reinterpret_cast<GroupBoxPrintParams*>(lParam);
  try {
    if (!params || params->stopped) return FALSE;
    if (GetAncestor(child, GA_PARENT) != params->page || !IsGroupBox(child)) return TRUE;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, params->target, reinterpret_cast<POINT*>(&rect), 2);
    // The page draws it from now on: painting itself it would cover the page's drawing.
    if (IsWindowVisible(child)) ShowWindow(child, SW_HIDE);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return TRUE;
    GroupBoxCanvas holder;
    MemoryCanvas& canvas = holder.get();
    if (!canvas.Ensure(width, height)) return TRUE;
    const auto stillDrawing = [&](LockGuard& lock) {
      if (lock && params->stillDrawing(params->context)) return true;
      params->stopped = true;
      return false;
    };
    {
      LockGuard lock(Locks().panel);
      if (!stillDrawing(lock)) return FALSE;
      BitBlt(canvas.dc(), 0, 0, width, height, params->dc, rect.left, rect.top, SRCCOPY);
    }
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(child, GWLP_WNDPROC));
    if (procedure) CallWindowProcW(procedure, child, WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc()), kPrintEverything);
    LockGuard lock(Locks().panel);
    if (!stillDrawing(lock)) return FALSE;
    if (params->alphaFlag) FillZeroAlphaPixels(*canvas.image(), RECT{0, 0, width, height}, 255);
    BitBlt(params->dc, rect.left, rect.top, width, height, canvas.dc(), 0, 0, SRCCOPY);
  } catch (...) {
  }
  return TRUE;
}

bool IsRectInParentClient(const RECT& rect, HWND window) {
  const HWND parent = GetAncestor(window, GA_PARENT);
  if (!parent) return false;
  RECT client{};
  GetClientRect(parent, &client);
  MapWindowPoints(parent, window, reinterpret_cast<POINT*>(&client), 2);
  RECT meet{};
  return IntersectRect(&meet, &rect, &client) != FALSE;
}

}  // namespace kelvra
