// SetExplorerBarSkin: the bar's metrics and page looks, every body's page looks,
// every header's and item's button skin, read from one skin; then the bar is laid
// out again, so new heights and margins show at once.
#include <string>
#include <string_view>
#include <vector>

#include "panels/button/button_operations.h"
#include "panels/explorer_bar/explorer_bar_layout.h"
#include "panels/explorer_bar/explorer_bar_operations.h"
#include "panels/explorer_bar/explorer_bar_placement.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "panels/explorer_bar/explorer_bar_skin.h"
#include "panels/page/page_invalidation.h"
#include "panels/page/page_look.h"
#include "panels/page/page_look_reader.h"
#include "skin/records/skin_list.h"
#include "skin/values/skin_number_reader.h"

namespace kelvra {

namespace {

constexpr std::wstring_view kState = L"normal";

ExplorerBarEdges ReadEdgesOf(const SkinPropertyRecord* property) {
  const SkinEdges edges = ReadSkinEdges(SkinParamsOf(property));
  return ExplorerBarEdges{edges.left, edges.top, edges.right, edges.bottom};
}

int32_t ReadHeight(const SkinPropertyRecord* property, int32_t fallback) {
  return HeightOrDefault(ReadSkinInteger(SkinValueOf(property)), fallback);
}

ExplorerBarMetrics ReadMetrics(const SkinStateReader& state) {
  ExplorerBarMetrics m;
  m.margin = ReadEdgesOf(state.Property(L"margin"));
  m.groupPadding = ReadEdgesOf(state.Property(L"group padding"));
  m.groupMargin = ReadEdgesOf(state.Property(L"group margin"));
  m.itemPadding = ReadEdgesOf(state.Property(L"item padding"));
  m.headerHeight = ReadHeight(state.Property(L"header height"), kDefaultHeaderHeight);
  m.itemHeight = ReadHeight(state.Property(L"item height"), kDefaultItemHeight);
  return m;
}

// What one group needs for its re-skin, copied: re-skinning its buttons runs
// window procedures.
struct GroupParts {
  int32_t bodyPanel;
  HWND headerPage;
  std::vector<HWND> itemPages;
};

}  // namespace

int SetExplorerBarSkinOf(intptr_t key, uintptr_t skin, const wchar_t* component, bool redraw) {
  const ExplorerBarRecord* bar = FindExplorerBar(key);
  return bar ? ApplyExplorerBarSkin(bar->Window(), skin, component, redraw) : 0;
}

int ApplyExplorerBarSkin(HWND barWindow, uintptr_t skinHandle, const wchar_t* component, bool redraw) {
  return ApplyExplorerBarSkinTo(barWindow, skinHandle, component, redraw, nullptr);
}

int ApplyExplorerBarSkinTo(HWND barWindow, uintptr_t skinHandle, const wchar_t* component, bool redraw,
                           HWND onlyBody) {
  ExplorerBarRecord* bar = FindExplorerBarByWindow(barWindow);
  SkinRecord* skin = FindSkin(skinHandle);
  if (!bar || !skin) return 0;
  std::wstring name = component && *component ? std::wstring(component) : bar->component;
  if (name.empty()) name = kExplorerBarComponent;

  SkinStateReader state(*skin, name);
  state.SelectState(kState);
  const ExplorerBarMetrics metrics = ReadMetrics(state);
  const bool metricsChanged = metrics != bar->metrics;
  SetPageLook(bar->panelNumber, 0, ReadPageLook(*skin, state));
  bar->metrics = metrics;

  const PageLook groupLook = ReadPageLook(*skin, state, L"group ");
  std::vector<GroupParts> groups;
  groups.reserve(bar->groups.Size());
  for (const ExplorerBarGroupRecord& group : bar->groups) {
    if (onlyBody && group.body != onlyBody) continue;
    GroupParts parts{group.bodyPanelNumber, group.headerPage, {}};
    for (const ExplorerBarItemRecord& item : group.items) parts.itemPages.push_back(item.page);
    groups.push_back(std::move(parts));
  }
  bar->skin = skinHandle;
  bar->component = name;
  for (const GroupParts& parts : groups) {
    SetPageLook(parts.bodyPanel, 0, groupLook);
    SetButtonSkinOfPage(parts.headerPage, skinHandle, kExplorerBarHeaderComponent, false);
    for (HWND page : parts.itemPages) SetButtonSkinOfPage(page, skinHandle, kExplorerBarItemComponent, false);
  }

  // New metrics move everything: bodies take their height for the new item and
  // header heights (shut ones stay shut), items their new places.
  if (metricsChanged) {
    if ((bar = FindExplorerBarByWindow(barWindow)) == nullptr) return 1;
    struct BodySize {
      HWND body;
      int32_t panel, height;
      bool open;
    };
    std::vector<BodySize> bodies;
    for (const ExplorerBarGroupRecord& group : bar->groups) {
      const bool open = group.collapsed == 0;
      bodies.push_back(BodySize{group.body, group.bodyPanelNumber,
                                open ? SizedBodyHeight(metrics, group.items.Size()) : 0, open});
    }
    for (const BodySize& b : bodies) {
      SetExplorerBarBodyHeight(b.body, b.panel, b.height, b.open);
      PlaceExplorerBarItems(b.body);
    }
  }
  LayOutExplorerBar(barWindow);
  if (redraw && (bar = FindExplorerBarByWindow(barWindow)) != nullptr) RedrawPanelExPage(bar->page);
  return 1;
}

}  // namespace kelvra
