// Grabbing and restoring the screen under a bar's drop-downs.
#include "commandbars/popup/menu_bar_background.h"

#include <commctrl.h>

#include <algorithm>

#include "commandbars/commandbars_seam.h"
#include "commandbars/popup/menu_family_calls.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "commandbars/popup/popup_geometry.h"
#include "core/windows/skin_change_delivery.h"

namespace kelvra {

namespace {

PopupRect ToPopupRect(const RECT& r) { return PopupRect{r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const PopupRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Screen DC owner: released, not deleted.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Copies `rect` between the screen and the cache; nothing without a cache.
void Copy(const RECT& rect, bool toScreen) {
  auto& cache = MenuTracking().backgroundCache;
  if (!cache.dc || rect.right <= rect.left || rect.bottom <= rect.top) return;
  ScreenDc screen;
  if (!screen.get()) return;
  const int x = rect.left - cache.area.left, y = rect.top - cache.area.top;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (toScreen) BitBlt(screen.get(), rect.left, rect.top, width, height, cache.dc.get(), x, y, SRCCOPY);
  else BitBlt(cache.dc.get(), x, y, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
}

// The drop-down area of a bar: each title's button, extended down (and up, for
// drop-downs that open above) by its popup's height and right to its width.
bool BarDropDownArea(HWND bar, RECT& area) {
  const auto count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
  bool any = false;
  for (int i = 0; i < count; ++i) {
    RECT button{};
    TBBUTTON info{};
    if (!SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button))) continue;
    if (!SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info))) continue;
    MapWindowPoints(bar, HWND_DESKTOP, reinterpret_cast<POINT*>(&button), 2);
    const SIZE popup = MenuBarTitlePopupSize(bar, info.idCommand);
    RECT covered = button;
    covered.top -= popup.cy;
    covered.bottom += popup.cy;
    covered.right = std::max<LONG>(covered.right, button.left + popup.cx);
    if (!any) area = covered;
    else UnionRect(&area, &area, &covered);
    any = true;
  }
  return any;
}

}  // namespace

bool PrepareMenuBarBackground(const RECT& area) {
  auto& cache = MenuTracking().backgroundCache;
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0 || width > 0x8000 || height > 0x8000) return false;
  if (!cache.dc || cache.size.cx < width || cache.size.cy < height) {
    ScreenDc screen;
    if (!screen.get()) return false;
    const int cx = std::max<int>(width, cache.size.cx), cy = std::max<int>(height, cache.size.cy);
    UniqueDc dc(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(dc ? CreateCompatibleBitmap(screen.get(), cx, cy) : nullptr);
    if (!dc || !bitmap) return false;
    if (cache.dc && cache.originalBitmap) SelectObject(cache.dc.get(), cache.originalBitmap);
    cache.dc.reset();
    cache.bitmap.reset();
    cache.originalBitmap = SelectObject(dc.get(), bitmap.get());
    cache.dc = std::move(dc);
    cache.bitmap = std::move(bitmap);
    cache.size = SIZE{cx, cy};
  }
  cache.area = area;
  cache.grabbed = RECT{};
  MenuTracking().backgroundCacheFilled = 0;
  return true;
}

int CacheMenuBarBackground(intptr_t mode, const RECT& rectangle) {
  auto& cache = MenuTracking().backgroundCache;
  if (mode >= 1 || mode < kGrabRectangle) {
    const HWND bar = reinterpret_cast<HWND>(mode);
    RECT area{};
    if (IsWindow(bar) && BarDropDownArea(bar, area)) PrepareMenuBarBackground(area);
    return 0;
  }
  if (mode == kGrabNewStrips) {
    for (const PopupRect& strip : UngrabbedStrips(ToPopupRect(rectangle), ToPopupRect(cache.grabbed)))
      Copy(ToRect(strip), false);
    cache.grabbed = rectangle;
  } else if (mode == kGrabRectangle) {
    Copy(rectangle, false);
  } else {
    Copy(rectangle, true);
  }
  return 0;
}

int RedrawWindowsInRect(const RECT& rectangle, HWND exclude) {
  if (rectangle.right <= rectangle.left || rectangle.bottom <= rectangle.top) return 0;
  RepaintUncoveredAreaContext context{exclude, 0, rectangle};
  EnumWindows(RepaintUncoveredAreaProc, reinterpret_cast<LPARAM>(&context));
  return 0;
}

int UpdateMenuBarShadowArea(HWND window) {
  auto& tracking = MenuTracking();
  RECT& stored = tracking.shadowArea;
  const bool storedArea = stored.right > stored.left && stored.bottom > stored.top;
  RECT now{};
  if (!TrackedMenuDropsFromBar() || tracking.scrollBusy || tracking.scrollScrolled || !storedArea ||
      !GetWindowRect(window, &now))
    return 0;
  if (now.left == stored.left && now.top == stored.top) return 0;
  const ShadowAreaRestore restore = UncoveredShadowArea(ToPopupRect(stored), ToPopupRect(now));
  auto& cache = tracking.backgroundCache;
  const bool inUse = tracking.backgroundCacheInUse == 1;
  if (restore.overlap) {
    for (const PopupRect& strip : restore.strips) {
      const RECT r = ToRect(strip);
      if (!(inUse && tracking.backgroundCacheFilled == 0)) CacheMenuBarBackground(kRestoreRectangle, r);
      RedrawWindowsInRect(r, nullptr);
      if (inUse && cache.dc) CacheMenuBarBackground(kGrabRectangle, r);
    }
  } else {
    RedrawWindowsInRect(ToRect(restore.redraw), nullptr);
  }
  stored = RECT{};
  return 0;
}

int ClearMenuBarShadowArea() {
  auto& tracking = MenuTracking();
  RedrawWindowsInRect(tracking.shadowArea, nullptr);
  tracking.shadowArea = RECT{};
  return 0;
}

}  // namespace kelvra
