// The explorer bar's layout carried out: the pure rectangles of
// explorer_bar_layout.h committed in deferred batches, only for windows whose
// rectangle changes (an animation frame moves just the groups below the one
// that opens or shuts).
#include "panels/explorer_bar/explorer_bar_placement.h"

#include <vector>

#include "panels/explorer_bar/explorer_bar_layout.h"
#include "core/windows/windows_moved_together.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/scrolling/page_scrolling.h"
#include "panels/page/page_settings.h"

namespace kelvra {

namespace {

constexpr UINT kMoveFlags = SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void AddMoveIfChanged(std::vector<WindowMove>& moves, HWND window, const ExplorerBarBox& box) {
  if (!window) return;
  const RECT now = RectInParent(window);
  if (now.left == box.x && now.top == box.y && now.right - now.left == box.width && now.bottom - now.top == box.height)
    return;
  moves.push_back(WindowMove{window, box.x, box.y, box.width, box.height});
}

struct BarFacts {
  int32_t panelNumber = 0;
  HWND page = nullptr;
  ExplorerBarMetrics metrics;
  std::vector<HWND> headers, bodies;
};

bool ReadBarFacts(HWND barWindow, BarFacts& facts) {
  const ExplorerBarRecord* bar = FindExplorerBarByWindow(barWindow);
  if (!bar) return false;
  facts.panelNumber = bar->panelNumber;
  facts.page = bar->page;
  facts.metrics = bar->metrics;
  facts.headers.clear();
  facts.bodies.clear();
  for (const ExplorerBarGroupRecord& group : bar->groups) {
    facts.headers.push_back(group.Header());
    facts.bodies.push_back(group.body);
  }
  return true;
}

bool VerticalBarShown(int32_t panelNumber) { return GetPageScrolling(panelNumber, 0, kScrollVerticalBar) != 0; }

int32_t VerticalBarWidth(int32_t panelNumber) {
  const auto bar = reinterpret_cast<HWND>(GetPageScrolling(panelNumber, 0, kScrollVerticalWindow));
  RECT rect{};
  if (!bar || !GetWindowRect(bar, &rect)) return GetSystemMetrics(SM_CXHTHUMB);
  return rect.right - rect.left;
}

// One pass: every header and body where the layout puts it. The bodies keep their
// present heights, which the animation thread or the adding calls gave them.
void MoveGroups(HWND barWindow, const BarFacts& facts) {
  RECT client{};
  GetClientRect(barWindow, &client);
  const bool barShown = VerticalBarShown(facts.panelNumber);
  const int32_t width =
      ExplorerBarLayoutWidth(client.right, barShown, barShown ? VerticalBarWidth(facts.panelNumber) : 0);
  std::vector<int32_t> heights;
  heights.reserve(facts.bodies.size());
  for (HWND body : facts.bodies) {
    RECT rect{};
    GetWindowRect(body, &rect);
    heights.push_back(rect.bottom - rect.top);
  }
  std::vector<ExplorerBarGroupBoxes> boxes;
  LayOutExplorerBarGroups(facts.metrics, width, heights, boxes);
  std::vector<WindowMove> moves;
  moves.reserve(boxes.size() * 2);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    AddMoveIfChanged(moves, facts.headers[i], boxes[i].header);
    AddMoveIfChanged(moves, facts.bodies[i], boxes[i].body);
  }
  if (!moves.empty()) MoveWindowsTogether(moves, kMoveFlags);
}

}  // namespace

void LayOutExplorerBar(HWND barWindow) {
  BarFacts facts;
  if (!ReadBarFacts(barWindow, facts)) return;
  const bool barWasShown = VerticalBarShown(facts.panelNumber);
  MoveGroups(barWindow, facts);
  // A child's own move leaves the scroll bars as they were until the panel's next
  // WM_SIZE: refit them now, so a group added past the bottom brings the bar in
  // the same call.
  RefitPanelExPageToChildren(facts.page);
  if (VerticalBarShown(facts.panelNumber) == barWasShown) return;
  // The bar came or went: the groups are narrower or wider now. Their new width
  // changes no height, so the bar's need is settled after this second pass.
  if (!ReadBarFacts(barWindow, facts)) return;
  MoveGroups(barWindow, facts);
  RefitPanelExPageToChildren(facts.page);
}

void PlaceExplorerBarItems(HWND body) {
  const ExplorerBarGroupPlace place = FindExplorerBarGroupByBody(body);
  if (!place.group || place.group->items.Empty()) return;
  RECT client{};
  GetClientRect(body, &client);
  std::vector<ExplorerBarBox> boxes;
  LayOutExplorerBarItems(place.bar->metrics, client.right, client.bottom, place.group->items.Size(), boxes);
  std::vector<WindowMove> moves;
  moves.reserve(boxes.size());
  std::size_t i = 0;
  for (const ExplorerBarItemRecord& item : place.group->items)
    AddMoveIfChanged(moves, static_cast<HWND>(item.window), boxes[i++]);
  if (!moves.empty()) MoveWindowsTogether(moves, kMoveFlags);
}

void SetExplorerBarBodyHeight(HWND body, int32_t bodyPanel, int32_t height, bool open) {
  const RECT rect = RectInParent(body);
  SetWindowPos(body, nullptr, rect.left, rect.top, rect.right - rect.left, height < 0 ? 0 : height, kMoveFlags);
  SetPageAlpha(bodyPanel, 0, open ? 255 : 0, false);
}

RECT ExplorerBarBodyRect(const ExplorerBarGroupRecord& group) { return RectInParent(group.body); }

}  // namespace kelvra
