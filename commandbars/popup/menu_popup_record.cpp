// The open popup windows of a tracking.
#include "commandbars/popup/menu_popup_record.h"

#include "core/windows/window_class_name.h"

namespace kelvra {

namespace {

BOOL CALLBACK CollectShownPopupMenu(HWND window, LPARAM found) {
  RECT rect{};
  if (IsWindowVisible(window) && WindowClassName(window) == kPopupMenuClass && GetWindowRect(window, &rect))
    reinterpret_cast<std::vector<RECT>*>(found)->push_back(rect);
  return TRUE;
}

}  // namespace

std::vector<std::unique_ptr<MenuExPopupRecord>>& MenuExPopupList() {
  static auto& list = *new std::vector<std::unique_ptr<MenuExPopupRecord>>;
  return list;
}

std::vector<RECT> OpenPopupWindowRects() {
  std::vector<RECT> rects;
  for (const auto& record : MenuExPopupList()) {
    RECT rect{};
    if (record->window && IsWindowVisible(record->window) && GetWindowRect(record->window, &rect))
      rects.push_back(rect);
  }
  if (!rects.empty()) return rects;
  EnumThreadWindows(GetCurrentThreadId(), CollectShownPopupMenu, reinterpret_cast<LPARAM>(&rects));
  return rects;
}

bool PointInPopupRects(POINT point, const std::vector<RECT>& rects) {
  for (const RECT& r : rects)
    if (point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom) return true;
  return false;
}

}  // namespace kelvra
