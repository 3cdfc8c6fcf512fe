// The popup menu window procedure: a record per open popup window, submenus in
// the root's style, placement and cascade, frames and backgrounds per UI style,
// the selection fade, drop shadows and the bar drop-down's shadow area.
#include "commandbars/popup/popup_menu_window_proc.h"

#include <algorithm>
#include <memory>
#include <type_traits>

#include "commandbars/menu_draw/menu_item_layout.h"
#include "commandbars/menu_draw/menu_item_painter.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/popup/long_menu_calls.h"
#include "commandbars/popup/menu_bar_background.h"
#include "commandbars/popup/menu_family_calls.h"
#include "commandbars/popup/menu_popup_record.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "commandbars/popup/popup_geometry.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/dwm_api.h"
#include "core/platform/uxtheme_api.h"
#include "core/shadow/menu_shadow.h"
#include "skin/elements/ui_element_painter.h"
#include "skin/ui_colours/ui_colour_brush_cache.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_style.h"

namespace kelvra {

namespace {

constexpr UINT kSelectItemMessage = 0x1E5;  // MN_SELECTITEM
constexpr int32_t kBackground = 30, kMenuBarColour = 13, kHeldBorder = 12;

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC system = MenuTracking().popupProcedure;
  return system ? CallWindowProcW(system, window, message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

bool CompositionOn() { return Dwm().compositionEnabled != FALSE; }

MenuExRecord* LiveRecord(MenuExRecord* record) {
  return record && MenuExList().FindByAddress(record) ? record : nullptr;
}

MenuExPopupRecord* RecordOf(HWND window) {
  auto* record = reinterpret_cast<MenuExPopupRecord*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!record) return nullptr;
  for (const auto& owned : MenuExPopupList())
    if (owned.get() == record) return record->window == window ? record : nullptr;
  return nullptr;
}

void DeleteRecord(MenuExPopupRecord* record) {
  auto& list = MenuExPopupList();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& owned) { return owned.get() == record; }),
             list.end());
}

MenuLook LookOf(int32_t style) { return MenuLookOf(style, false); }

HBRUSH StyleBrush(int32_t style, int32_t index) {
  if (LookOf(style) == MenuLook::Whidbey)
    return reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(GetUIColourBrush(kUIStyleWhidbey, index)));
  return LookupUIColourBrush(static_cast<uint32_t>(style), index);
}

void Fill(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
  if (!brush || right <= left || bottom <= top) return;
  const RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush);
}

// The icon column of the styled looks: the image width last measured, the icon
// margin, and 2 more in Office 2007.
int IconColumn(int32_t style) {
  const auto& tracking = MenuTracking();
  return MenuImageColumn(tracking.measuredImageWidth, tracking.iconMargin, style);
}

// The first record whose menu is `menu`.
MenuExRecord* MenuExRecordShowing(HMENU menu) {
  for (MenuExRecord& record : MenuExList())
    if (record.menuHandle == menu) return &record;
  return nullptr;
}

// The join with the bar button the drop-down hangs from: a strip of the top (or,
// opening upward, bottom) row in the button's colour.
void PaintJoin(HDC dc, HWND window, int32_t style, int width, int height) {
  auto& tracking = MenuTracking();
  const MenuPlacementValues& p = tracking.placement;
  if (!p.anchorWidth || window != tracking.firstPopupWindow) return;
  const bool office = IsOfficeLook(LookOf(style));
  int k;
  if (office) k = p.anchorOffset >= 4 ? p.anchorOffset - 4 : (p.anchorOffset >= 1 ? 0 : p.anchorOffset);
  else k = p.anchorOffset >= 2 ? p.anchorOffset - 2 : (p.anchorOffset == 1 ? 0 : p.anchorOffset);
  const int right = office ? p.anchorWidth + k - 1 : p.anchorWidth + k - 5;
  const int y = p.flipUp ? height - 1 : 0;
  Fill(dc, std::max(k + 1, 0), y, std::min(right, width), y + 1, StyleBrush(style, office ? kBackground : kMenuBarColour));
}

// The frame band of the styled looks: `insideClient` when the system leaves the
// window no frame of its own and draws its items from (3, 3) inside the client
// area, so the margins between frame and items are the style's too.
void PaintFrame(HDC dc, HWND window, int32_t style, bool insideClient) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  if (w < 6 || h < 6) return;
  const MenuLook look = LookOf(style);
  if (IsClassicLook(look)) {
    // Themed classic: the 2-pixel band in the theme's fill colour, where it has one.
    auto& theme = UxTheme();
    COLORREF colour = 0;
    if (!MenuThemeUsable() || !theme.GetThemeColor || theme.GetThemeColor(theme.themes.menu, 9, 1, 3821, &colour) < 0)
      return;
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, colour);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    Fill(dc, 1, 1, w - 1, 3, brush);
    Fill(dc, 1, h - 3, w - 1, h - 1, brush);
    Fill(dc, 1, 3, 3, h - 3, brush);
    Fill(dc, w - 3, 3, w - 1, h - 3, brush);
    SelectObject(dc, old);
    return;
  }
  HBRUSH background = StyleBrush(style, kBackground);
  if (look == MenuLook::Whidbey) {
    const RECT inset{1, 1, w - 1, h - 1};
    FrameRect(dc, &inset, background);
    BitBlt(dc, 1, 2, w - 2, 1, dc, 1, 1, SRCCOPY);
    BitBlt(dc, 2, 1, 1, h - 2, dc, 1, 1, SRCCOPY);
    BitBlt(dc, 1, h - 3, w - 2, 1, dc, 1, h - 2, SRCCOPY);
    BitBlt(dc, w - 3, 1, 1, h - 2, dc, w - 2, 1, SRCCOPY);
  } else {
    Fill(dc, 1, 1, w - 1, 2, background);
    Fill(dc, 1, h - 2, w - 1, h - 1, background);
    if (insideClient) {
      // Margins: the icon column runs on from the items' to the frame, the
      // background beside it.
      const int column = IconColumn(style);
      const int columnRight = 3 + column + 1;
      for (int y : {2, h - 3}) {
        PaintUIElement(dc, static_cast<uint32_t>(style), kMenuBarColour, RECT{2, y, columnRight, y + 1}, 0x100);
        Fill(dc, columnRight, y, w - 1, y + 1, background);
      }
      BitBlt(dc, 1, 2, 1, h - 4, dc, 2, 2, SRCCOPY);
      Fill(dc, w - 3, 2, w - 1, h - 2, background);
    }
  }
  const RECT whole{0, 0, w, h};
  FrameRect(dc, &whole, StyleBrush(style, kHeldBorder));
  PaintJoin(dc, window, style, w, h);
}

class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The record's background DC, whether the record owns it or holds it raw.
template <class Handle>
HDC RawDc(const Handle& dc) {
  if constexpr (std::is_pointer_v<Handle>) return dc;
  else return dc.get();
}

bool BackgroundFits(const MenuExRecord* menu) {
  return menu && menu->backgroundDc && menu->backgroundWidth == menu->measuredWidth &&
         menu->backgroundHeight == menu->measuredHeight && menu->measuredWidth > 0;
}

LRESULT EraseBackground(HWND window, HDC dc, const MenuExRecord* menu, int32_t style) {
  RECT client{};
  GetClientRect(window, &client);
  const MenuLook look = LookOf(style);
  const bool fits = BackgroundFits(menu);
  if (IsOfficeLook(look)) {
    if (!fits)
      PaintUIElement(dc, static_cast<uint32_t>(style), kMenuBarColour,
                     RECT{0, 0, IconColumn(style) + 2, std::max<LONG>(client.bottom - 4, 0)}, 0x100);
  } else if (!fits) {
    if (IsClassicLook(look)) {
      FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    } else {
      const int column = IconColumn(style);
      Fill(dc, column + 1, 0, client.right, client.bottom, StyleBrush(style, kBackground));
      Fill(dc, 0, 0, column + 1, client.bottom, StyleBrush(style, kMenuBarColour));
    }
  }
  if (fits)
    BitBlt(dc, 0, 0, menu->backgroundWidth, menu->backgroundHeight, RawDc(menu->backgroundDc), 0, 0, SRCCOPY);
  return 1;
}

// The record of a popup window's first message.
MenuExPopupRecord* MakeRecord(HWND window) {
  auto& tracking = MenuTracking();
  MenuExRecord* tracked = LiveRecord(tracking.trackedRecord);
  if (!tracked) return nullptr;
  tracking.pendingSelection = 0;
  const bool submenu = tracking.submenuOpening && tracking.openingSubmenu;
  tracking.selectionBaseMenu = submenu ? tracking.openingSubmenu : nullptr;
  if (!tracking.openPopupChain) {
    tracking.rootStyle = tracked->uiStyle;
    tracking.movedOnce = 0;
    tracking.closedFlag = 0;
  }
  auto record = std::make_unique<MenuExPopupRecord>();
  record->menuRecord = tracked;
  if (submenu) {
    // A submenu is drawn in the style of the menu it opened from.
    if (MenuExRecord* own = MenuExRecordShowing(tracking.openingSubmenu)) {
      record->savedStyle = own->uiStyle;
      own->uiStyle = tracking.rootStyle;
      RefreshMenuExItems(own->menuHandle);
      record->menuRecord = own;
    }
    record->menuHandle = tracking.openingSubmenu;
  }
  record->window = window;
  record->parent = tracking.openPopupChain;
  record->savedValue = tracking.itemSelected;
  MenuExPopupRecord* made = record.get();
  MenuExPopupList().push_back(std::move(record));
  tracking.openPopupChain = made;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
  if (made->menuRecord->uiStyle >= 5 && !tracking.selectionFadeSaved) {
    BOOL fade = FALSE;
    if (SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &fade, 0) && fade) {
      // Never written to the profile: only this session's setting changes.
      SystemParametersInfoW(SPI_SETSELECTIONFADE, 0, reinterpret_cast<PVOID>(FALSE), 0);
      tracking.selectionFadeSaved = 1;
    }
  }
  if (tracking.scrollSliceMenu && !tracking.scrollSlicePopupWindow) {
    tracking.scrollSlicePopupWindow = window;
    OnScrollSliceWindowCreated(window);
  }
  ++tracking.openPopups;
  tracking.closedFlag = 0;
  // A popup opening paints its first pass, and no run of separator keys goes on.
  tracking.menuPaintPass = 0;
  tracking.separatorSkips = 0;
  return made;
}

LRESULT Destroy(HWND window, MenuExPopupRecord* record, UINT message, WPARAM wParam, LPARAM lParam,
                LockGuard& guard) {
  auto& tracking = MenuTracking();
  if (record) {
    if (record->parent) tracking.selectionBaseMenu = record->parent->menuHandle;
    tracking.cascadeX = record->left;
    if (tracking.openPopupChain == record) tracking.openPopupChain = record->parent;
    for (const auto& other : MenuExPopupList())
      if (other->parent == record) other->parent = record->parent;
    tracking.itemSelected = record->savedValue;
    UndoSubmenuShadow(window);
    if (record->shadowWindow && IsWindow(record->shadowWindow)) DestroyWindow(record->shadowWindow);
    if (record->hiddenWindow && IsWindow(record->hiddenWindow)) ShowWindow(record->hiddenWindow, SW_SHOWNA);
    if (record->savedStyle >= 0) {
      if (MenuExRecord* own = LiveRecord(record->menuRecord)) {
        own->uiStyle = record->savedStyle;
        RefreshMenuExItems(own->menuHandle);
      }
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DeleteRecord(record);
  }
  const WNDPROC system = tracking.popupProcedure;
  guard.Unlock();
  const LRESULT result = PassOn(window, message, wParam, lParam);
  if (!guard.Relock()) return result;
  if (system) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system));
  if (record) {
    if (tracking.openPopups > 0) --tracking.openPopups;
    if (tracking.selectionFadeSaved && tracking.openPopups == 0) {
      SystemParametersInfoW(SPI_SETSELECTIONFADE, 0, reinterpret_cast<PVOID>(TRUE), 0);
      tracking.selectionFadeSaved = 0;
    }
  }
  tracking.closedFlag = 1;
  return result;
}

// The Part's WINDOWPOS work: nudge, width, cascade and fit, counted only for
// placements that move or size.
void Place(HWND window, MenuExPopupRecord& record, WINDOWPOS& pos, int32_t style) {
  auto& tracking = MenuTracking();
  PopupPosition position{pos.x, pos.y, pos.cx, pos.cy, !(pos.flags & SWP_NOMOVE), !(pos.flags & SWP_NOSIZE),
                         (pos.flags & SWP_SHOWWINDOW) != 0, (pos.flags & SWP_HIDEWINDOW) != 0};
  RECT now{};
  GetWindowRect(window, &now);
  PopupPlacementContext context;
  context.submenu = record.menuHandle != nullptr;
  context.parentIsRoot = record.parent && !record.parent->parent;
  context.office = IsOfficeLook(LookOf(style));
  context.systemFrame = record.systemFrame;
  context.placementNudge = tracking.placement.placementNudge;
  context.measuredWidth = tracking.placement.measuredPopupWidth;
  context.popupLeft = tracking.placement.popupLeft;
  const MenuExRecord* tracked = LiveRecord(tracking.trackedRecord);
  context.trackedOpen = tracked && tracked->open;
  context.currentWidth = now.right - now.left;
  context.currentHeight = now.bottom - now.top;
  PopupCascade cascade{tracking.cascadeX, tracking.cascadeY, record.placements, record.left, record.placed};
  const bool placedNow = PlacePopupWindow(position, context, cascade, [](int32_t x, int32_t y) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST);
    if (!GetMonitorInfoW(monitor, &info)) return PopupRect{};
    return PopupRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
  });
  tracking.cascadeX = cascade.cascadeX;
  tracking.cascadeY = cascade.cascadeY;
  record.placements = cascade.placements;
  record.left = cascade.recordLeft;
  record.placed = cascade.placed;
  if (placedNow) record.shadowDue = true;
  pos.x = position.x;
  pos.y = position.y;
  pos.cx = position.cx;
  pos.cy = position.cy;
}

// A bar drop-down moving over the bar: the area it leaves is restored.
bool DropDownPositionChanging(HWND window, MenuExPopupRecord& record, WINDOWPOS& pos) {
  auto& tracking = MenuTracking();
  if (CompositionOn() || !TrackedMenuDropsFromBar()) return false;
  const RECT& area = tracking.shadowArea;
  const bool stored = area.right > area.left && area.bottom > area.top;
  if (tracking.movedOnce) {
    if (stored) UpdateMenuBarShadowArea(window);
    GetWindowRect(window, &tracking.shadowArea);
    pos.flags = SWP_NOREDRAW;
    tracking.movedOnce = 0;
    return true;
  }
  if (record.placements == 0) {
    tracking.movedOnce = 1;
    RECT rect{};
    GetWindowRect(window, &rect);
    if (tracking.backgroundCacheInUse == 1) CacheMenuBarBackground(kGrabNewStrips, rect);
    if (stored && tracking.barWindow && IsWindow(tracking.barWindow)) {
      const PopupRect shadow{area.left, area.top, area.right, area.bottom};
      const PopupRect placed{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
      SendMessageW(tracking.barWindow, WM_SETREDRAW, TRUE, 0);
      for (const PopupRect& strip : ShadowStripsBeside(shadow, placed)) {
        RECT local{strip.left, strip.top, strip.right, strip.bottom};
        MapWindowPoints(HWND_DESKTOP, tracking.barWindow, reinterpret_cast<POINT*>(&local), 2);
        RedrawWindow(tracking.barWindow, &local, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      }
      SendMessageW(tracking.barWindow, WM_SETREDRAW, FALSE, 0);
    }
  }
  return false;
}

void ShowShadow(HWND window, MenuExPopupRecord& record) {
  auto& tracking = MenuTracking();
  MenuShadowPlacement placement;
  placement.style = static_cast<uint32_t>(tracking.rootStyle);
  placement.fromBarTitle = tracking.placement.direction == -1;
  placement.anchorWidth = tracking.placement.anchorWidth;
  placement.placementNudge = tracking.placement.placementNudge;
  placement.popupLeftEdge = tracking.placement.popupLeft;
  MenuPopupShadows shadows;
  shadows.bottomShadowWindow = record.bottomShadowWindow;
  shadows.hiddenWindow = record.hiddenWindow;
  DropShadowMenuWindow(window, placement, record.parent ? record.parent->window : nullptr, shadows);
  record.bottomShadowWindow = shadows.bottomShadowWindow;
  record.hiddenWindow = shadows.hiddenWindow;
  record.bottomShadowFlags = shadows.bottomShadowFlags;
  record.bottomShadowX = shadows.bottomShadowX;
  record.bottomShadowY = shadows.bottomShadowY;
  record.bottomShadowLength = shadows.bottomShadowLength;
  record.shadowWindow = shadows.shadowWindow;
  record.thirdShadowX = shadows.thirdShadowX;
  record.thirdShadowY = shadows.thirdShadowY;
  record.thirdShadowLength = shadows.thirdShadowLength;
  record.thirdShadowWindow = shadows.thirdShadowWindow;
}

LRESULT PopupMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LockGuard guard(Locks().menu);
  if (!guard) return PassOn(window, message, wParam, lParam);
  auto& tracking = MenuTracking();
  tracking.itemSelected = 0;
  MenuExPopupRecord* record = RecordOf(window);
  if (!record && message != WM_DESTROY && message != WM_NCDESTROY) record = MakeRecord(window);
  if (message == WM_DESTROY) return Destroy(window, record, message, wParam, lParam, guard);
  if (!record) {
    guard.Unlock();
    return PassOn(window, message, wParam, lParam);
  }
  MenuExRecord* menu = LiveRecord(record->menuRecord);
  if (menu) MenuExList().SetCurrent(menu);
  const int32_t style = menu ? menu->uiStyle : tracking.rootStyle;
  const MenuLook look = LookOf(style);
  const bool office = IsOfficeLook(look);

  switch (message) {
    case WM_CREATE:
      if (office) {
        // The styles change and the system still creates its popup: answered
        // here, the popup would never learn its menu and draw no item.
        SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) & ~(WS_BORDER | WS_DLGFRAME));
        SetWindowLongPtrW(window, GWL_EXSTYLE,
                          GetWindowLongPtrW(window, GWL_EXSTYLE) & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE));
      }
      break;
    case WM_NCCALCSIZE: {
      if (!wParam || !lParam) {
        if (office) return 0;
        break;
      }
      auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
      const RECT proposed = params.rgrc[0];
      guard.Unlock();
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (!guard.Relock()) return result;
      // A system that leaves no frame draws one inside the client area, so the
      // client keeps all of the window (and the items their room).
      record = RecordOf(window);
      if (!record) return result;
      record->systemFrame = !EqualRect(&proposed, &params.rgrc[0]);
      if (office && record->systemFrame) {
        params.rgrc[0] = RECT{proposed.left + 1, proposed.top + 2, proposed.right - 1, proposed.bottom - 2};
        return WVR_REDRAW;
      }
      if (!record->systemFrame) tracking.popupBackgroundSwitch = 0;
      return result;
    }
    case WM_ERASEBKGND:
      if (!wParam) break;
      return EraseBackground(window, reinterpret_cast<HDC>(wParam), menu, style);
    case WM_PAINT: {
      guard.Unlock();
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (!guard.Relock()) return result;
      record = RecordOf(window);
      if (!record) return result;
      if (!record->systemFrame && !IsClassicLook(look)) {
        WindowDc dc(window);
        if (dc.get()) PaintFrame(dc.get(), window, style, true);
      }
      if (!tracking.firstPopupWindow) tracking.firstPopupWindow = window;
      if (!CompositionOn() && TrackedMenuDropsFromBar()) UpdateMenuBarShadowArea(window);
      return result;
    }
    case WM_NCPAINT: {
      guard.Unlock();
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (!guard.Relock()) return result;
      record = RecordOf(window);
      if (record && record->systemFrame) {
        WindowDc dc(window);
        if (dc.get()) PaintFrame(dc.get(), window, style, false);
        if (!tracking.firstPopupWindow) tracking.firstPopupWindow = window;
      }
      return result;
    }
    case WM_PRINT: {
      guard.Unlock();
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (!guard.Relock()) return result;
      HDC dc = reinterpret_cast<HDC>(wParam);
      record = RecordOf(window);
      if (dc && record) {
        PaintFrame(dc, window, style, !record->systemFrame);
        if (office)
          PaintUIElement(dc, static_cast<uint32_t>(style), kMenuBarColour, RECT{1, 2, IconColumn(style) + 3, 3}, 0x100);
      }
      return result;
    }
    case kSelectItemMessage: {
      // Kept for systems that send it.
      const int index = static_cast<int>(wParam);
      tracking.itemSelected = index >= 0 ? 1 : 0;
      HMENU shown = record->menuHandle ? record->menuHandle : tracking.trackedMenu;
      HMENU submenu = index >= 0 && IsMenu(shown) ? GetSubMenu(shown, index) : nullptr;
      tracking.openingSubmenu = submenu;
      tracking.submenuOpening =
          index >= 0 && IsMenu(tracking.trackedMenu) && GetSubMenu(tracking.trackedMenu, index) ? 1 : 0;
      WPARAM passed = wParam;
      if (window == tracking.scrollSlicePopupWindow && !tracking.scrollDone) OnScrollRowSelected(window, index);
      if (tracking.scrollScrolled || tracking.scrollDone) passed = static_cast<WPARAM>(-1);
      guard.Unlock();
      return PassOn(window, message, passed, lParam);
    }
    case WM_WINDOWPOSCHANGING: {
      if (!lParam) break;
      auto& pos = *reinterpret_cast<WINDOWPOS*>(lParam);
      if (window == tracking.scrollSlicePopupWindow && (tracking.scrollScrolled || tracking.scrollBusy)) {
        // Frozen while scrolling; showing or hiding still goes through.
        pos.flags |= SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
        return 0;
      }
      if (pos.flags & SWP_HIDEWINDOW) break;
      if (DropDownPositionChanging(window, *record, pos)) return 0;
      if (office) {
        Place(window, *record, pos, style);
        break;
      }
      guard.Unlock();
      const LRESULT result = PassOn(window, message, wParam, lParam);
      if (!guard.Relock()) return result;
      record = RecordOf(window);
      if (record) Place(window, *record, pos, style);
      return result;
    }
    case WM_WINDOWPOSCHANGED:
      if (record->shadowDue && !tracking.closedFlag) {
        record->shadowDue = false;
        ShowShadow(window, *record);
      }
      break;
  }
  guard.Unlock();
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK PopupMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return PopupMessage(window, message, wParam, lParam);
  } catch (...) {
    return PassOn(window, message, wParam, lParam);
  }
}

}  // namespace kelvra
