// ExplorerBarProc and ExplorerBarGroupProc: a bar lays its groups out when it is
// resized (by its parent, by an added group or item, or by the animation thread's
// frames), opens and shuts a group when its header is clicked, passes item clicks
// to its parent and follows skin changes. A body places its items when it is
// resized. Records are found again after every call that can send messages.
#include "core/animation/page_animation.h"
#include "core/library/library_messages.h"
#include "panels/explorer_bar/explorer_bar_layout.h"
#include "panels/explorer_bar/explorer_bar_operations.h"
#include "panels/explorer_bar/explorer_bar_placement.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "panels/page/page_invalidation.h"
#include "panels/page/page_settings.h"
#include "skin/records/skin_list.h"

namespace kelvra {

namespace {

// The animation thread's frame sends WM_SIZE with wParam 0 and lParam 0, then
// PageAnimationStepMessage, which repaints the bar page: answering that WM_SIZE
// keeps the panel from painting the same frame twice. Any other WM_SIZE (a
// parent's, or an added group's) lets the panel repaint.
bool IsAnimationFrameSize(WPARAM wParam, LPARAM lParam) { return wParam == 0 && lParam == 0; }

LRESULT OnSize(HWND barWindow, WPARAM wParam, LPARAM lParam) {
  LayOutExplorerBar(barWindow);
  return IsAnimationFrameSize(wParam, lParam) ? 1 : 0;
}

// A header click: the group's flag flips at once and its body eases towards the
// new height (the full height when it opens, 0 when it shuts).
LRESULT ToggleGroup(HWND barWindow, int32_t headerNumber) {
  ExplorerBarRecord* bar = FindExplorerBarByWindow(barWindow);
  ExplorerBarGroupRecord* group = bar ? bar->groups.FindByNumber(headerNumber) : nullptr;
  if (!group) return 0;
  const bool opening = group->collapsed != 0;
  group->collapsed = opening ? 0 : 1;
  const RECT current = ExplorerBarBodyRect(*group);
  RECT target = current;
  target.bottom = opening ? current.top + FullBodyHeight(bar->metrics, group->items.Size()) : current.top;
  const int32_t bodyPanel = group->bodyPanelNumber;
  const HWND body = group->body;
  if (EqualRect(&current, &target)) {
    // The body is where it should go (an item was added while it was shut). The
    // thread ends such a request at once, faded out, which would leave an opening
    // group showing nothing: the page takes its alpha here. A request may still
    // be on its way from an earlier click that the thread has not started on,
    // and would carry the body off: it is replaced by one that ends where the
    // body is, with the same alpha (an opening one starts a pixel short, so it
    // grows, and growing ends opaque).
    SetPageAlpha(bodyPanel, 0, opening ? 255 : 0, true);
    RECT from = current;
    if (opening) from.bottom -= 1;
    PostPageAnimation(body, from, target);
    return 1;
  }
  if (PostPageAnimation(body, current, target)) return 1;
  // No animation thread (before StartKelvra, after Kelvra_End) or a failed post:
  // the body goes to its target at once, or the header would say shut over an
  // open group.
  SetExplorerBarBodyHeight(body, bodyPanel, target.bottom - target.top, opening);
  LayOutExplorerBar(barWindow);
  if ((bar = FindExplorerBarByWindow(barWindow)) != nullptr) RedrawPanelExPage(bar->page);
  return 1;
}

// An item's click, brought up from its body's page: the application hears the
// item's id, whole (automatic ids do not fit the low word).
LRESULT PassItemClick(HWND barWindow, int32_t buttonNumber) {
  const ExplorerBarRecord* bar = FindExplorerBarByWindow(barWindow);
  if (!bar) return 0;
  for (const ExplorerBarGroupRecord& group : bar->groups)
    for (const ExplorerBarItemRecord& item : group.items)
      if (item.buttonNumber == buttonNumber) {
        PostMessageW(GetParent(barWindow), WM_COMMAND, static_cast<WPARAM>(static_cast<uint32_t>(item.number)), 0);
        return 1;
      }
  return 0;
}

LRESULT OnCommand(HWND barWindow, WPARAM wParam) {
  if (HIWORD(wParam) != 0) return 0;
  const auto number = static_cast<int32_t>(LOWORD(wParam));
  const ExplorerBarRecord* bar = FindExplorerBarByWindow(barWindow);
  if (!bar) return 0;
  if (bar->groups.FindByNumber(number)) return ToggleGroup(barWindow, number);
  return PassItemClick(barWindow, number);
}

bool AutoUpdates(uintptr_t skin) {
  const SkinRecord* record = FindSkin(skin);
  return record && record->SkinAutoUpdate == 1;
}

// Only for the panel-window call of the two a page makes.
LRESULT OnSkinChanged(HWND barWindow, WPARAM wParam, LPARAM lParam) {
  const ExplorerBarRecord* bar = FindExplorerBarByWindow(barWindow);
  if (!bar || !AutoUpdates(bar->skin)) return 0;
  const auto changed = static_cast<uintptr_t>(lParam);
  if (wParam == 1) {
    if (changed) ApplyExplorerBarSkin(barWindow, changed, L"", false);
  } else if (wParam == 0 && (!changed || changed == bar->skin)) {
    ApplyExplorerBarSkin(barWindow, bar->skin, L"", false);
  }
  return 0;
}

LRESULT DispatchBar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The page's own calls (mouse, paint) and windows of no bar.
  if (!FindExplorerBarByWindow(window)) return 0;
  switch (message) {
    case WM_SIZE: return OnSize(window, wParam, lParam);
    case WM_COMMAND: return OnCommand(window, wParam);
    case SkinChangedMessage: return OnSkinChanged(window, wParam, lParam);
    default: return 0;
  }
}

}  // namespace

LRESULT CALLBACK ExplorerBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return DispatchBar(window, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

// Returns 0 throughout: an item's WM_COMMAND then goes on to the bar's page, and
// a body nested on the bar page is repainted by the bar, not by its own WM_SIZE.
LRESULT CALLBACK ExplorerBarGroupProc(HWND window, UINT message, WPARAM, LPARAM) {
  try {
    if (message == WM_SIZE) PlaceExplorerBarItems(window);
  } catch (...) {
  }
  return 0;
}

}  // namespace kelvra
