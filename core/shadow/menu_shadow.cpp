// DropShadowMenuWindow: the strips of a popup menu window as it is shown, and a
// cascaded submenu's change to its parent's shadow.
#include "core/shadow/menu_shadow.h"

#include <climits>
#include <mutex>
#include <utility>

#include "core/library/library_globals.h"
#include "core/shadow/drop_shadow.h"
#include "core/shadow/menu_shadow_registry.h"
#include "core/shadow/strip_cache.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_style.h"

namespace kelvra {

namespace {

constexpr int kMenuShadowColourIndex = 20;  // "menudropshadow"

// The right edge of the work area of the monitor nearest the popup's bottom-left
// corner (no limit when the system cannot say).
int32_t WorkAreaRight(const ShadowBox& popup) {
  const RECT corner{popup.x, popup.y + popup.height, popup.x, popup.y + popup.height};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  const HMONITOR monitor = MonitorFromRect(&corner, MONITOR_DEFAULTTONEAREST);
  if (!monitor || !GetMonitorInfoW(monitor, &info)) return INT32_MAX;
  return info.rcWork.right;
}

HWND MakeStrip(const std::optional<ShadowPiece>& piece, const ShadowColour& colour) {
  if (!piece) return nullptr;
  return CreateDropShadow(piece->box.x, piece->box.y, piece->box.width, piece->box.height, colour.colour,
                          colour.opacity, piece->flags);
}

// The parent's strip under a cascaded submenu: hidden, and made again around the
// submenu. Call without ShadowStateLock held (windows are made).
void CoverParent(HWND parentPopup, const ShadowBox& submenu, MenuShadowSet& change) {
  ShadowPiece strip;
  ShadowColour colour;
  HWND hidden = nullptr;
  ParentShadowCover cover;
  {
    std::lock_guard lock(ShadowStateLock());
    const MenuShadowSet* parent = FindMenuShadowSet(parentPopup);
    if (!parent) return;
    cover = CoverParentShadow(submenu, parent->pieces);
    if (cover.piece < 0) return;
    const HWND windows[kMenuShadowPieces] = {parent->rightShadow, parent->bottomShadow, parent->thirdShadow};
    hidden = windows[cover.piece];
    strip = *parent->pieces[static_cast<size_t>(cover.piece)];
    colour = parent->colour;
  }
  if (!hidden || !IsDropShadowWindow(hidden) || !IsWindowVisible(hidden)) return;
  ShowWindow(hidden, SW_HIDE);
  change.hiddenWindow = hidden;
  if (!cover.remake) return;
  const RECT cut{cover.cut.x, cover.cut.y, cover.cut.x + cover.cut.width, cover.cut.y + cover.cut.height};
  change.remadeWindow = CreateDropShadowWithCut(strip.box.x, strip.box.y, strip.box.width, strip.box.height,
                                                colour.colour, colour.opacity, strip.flags, cut);
}

}  // namespace

ShadowColour MenuShadowColour(uint32_t style) {
  if (IsOfficeMenuStyle(style))
    return ShadowColourFromStored(LookupUIColour(style, kMenuShadowColourIndex, kUIColourRaw));
  if (IsWhidbeyMenuStyle(style))
    return ShadowColourFromStored(GetUIColourBrush(kUIStyleWhidbey, kMenuShadowColourIndex));
  return kPlainMenuShadowColour;
}

int DropShadowMenuWindow(HWND popup, const MenuShadowPlacement& placement, HWND parentPopup,
                         MenuPopupShadows& record) {
  try {
    RECT rect{};
    if (!popup || !GetWindowRect(popup, &rect)) return 0;
    const ShadowBox box{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    const ShadowColour colour = MenuShadowColour(placement.style);
    {
      std::lock_guard lock(ShadowStateLock());
      if (FindMenuShadowSet(popup) || !Globals().dropShadowSetting) return 0;
      // Made first, so that the popup counts as shadowed from here on.
      MenuShadowSetList().Emplace()->ownerPopup = popup;
    }

    MenuShadowSet made;
    MenuShadowPlacement used = placement;
    if (parentPopup) {
      // A cascaded submenu casts the plain shadow of a popup not from a bar.
      used.fromBarTitle = false;
      CoverParent(parentPopup, box, made);
    }
    made.pieces = LayOutMenuShadows(box, used, used.fromBarTitle ? WorkAreaRight(box) : INT32_MAX);
    made.colour = colour;
    made.rightShadow = MakeStrip(made.pieces[kRightShadow], colour);
    made.bottomShadow = MakeStrip(made.pieces[kBottomShadow], colour);
    made.thirdShadow = MakeStrip(made.pieces[kThirdShadow], colour);

    bool kept = false;
    {
      std::lock_guard lock(ShadowStateLock());
      if (MenuShadowSet* set = FindMenuShadowSet(popup)) {
        made.ownerPopup = popup;
        *set = made;
        kept = true;
      }
    }
    if (!kept) {
      // The popup went while its strips were made: they go with it.
      for (HWND window : {made.rightShadow, made.bottomShadow, made.thirdShadow, made.remadeWindow})
        if (window) DestroyWindow(window);
      if (made.hiddenWindow && IsDropShadowWindow(made.hiddenWindow)) ShowWindow(made.hiddenWindow, SW_SHOWNA);
      return 0;
    }

    record = MenuPopupShadows{};
    if (const auto& bottom = made.pieces[kBottomShadow]) {
      record.bottomShadowWindow = made.bottomShadow;
      record.bottomShadowFlags = static_cast<int32_t>(bottom->flags);
      record.bottomShadowX = bottom->box.x;
      record.bottomShadowY = bottom->box.y;
      record.bottomShadowLength = bottom->box.width;
    }
    if (const auto& third = made.pieces[kThirdShadow]) {
      record.thirdShadowWindow = made.thirdShadow;
      record.thirdShadowX = third->box.x;
      record.thirdShadowY = third->box.y;
      record.thirdShadowLength = third->box.width;
    }
    record.hiddenWindow = made.hiddenWindow;
    record.shadowWindow = made.remadeWindow;
  } catch (...) {
  }
  return 0;
}

void UndoSubmenuShadow(HWND popup) {
  HWND remade = nullptr, hidden = nullptr;
  {
    std::lock_guard lock(ShadowStateLock());
    MenuShadowSet* set = FindMenuShadowSet(popup);
    if (!set) return;
    remade = std::exchange(set->remadeWindow, nullptr);
    hidden = std::exchange(set->hiddenWindow, nullptr);
  }
  if (remade && IsDropShadowWindow(remade)) DestroyWindow(remade);
  if (hidden && IsDropShadowWindow(hidden)) ShowWindow(hidden, SW_SHOWNA);
}

}  // namespace kelvra
