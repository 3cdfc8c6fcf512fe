// What the explorer bar tests share: a skin whose every margin and padding
// differs, a look at a bar's groups and their windows, and rectangles in a
// parent's coordinates.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "kelvra.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "tests/panels/button/button_test_support.h"
#include "tests/support/pointer_input.h"

namespace kelvra::test {

// Bounds for an animation to end: about half a second of frames, with room for a
// loaded machine, where every frame lays out and paints the bar once per
// animated body.
constexpr DWORD kAnimationBound = 30000;

// The metrics of the layout table's fixture: margin {3, 5, 7, 11}, group margin
// {13, 17, 19, 23}, group padding {2, 4, 6, 8}, item padding {1, 9, 3, 10} (left,
// top, right, bottom), headers 32 and items 20 high.
inline HANDLE FixtureSkin(const wchar_t* name = L"explorer fixture") {
  HANDLE skin = CreateSkin(name);
  SetSkinAutoUpdate(skin, 0);
  const wchar_t* c = L"explorerbar";
  SetSkinProperty(skin, c, L"normal", L"margin", L"top: 5; left: 3; bottom: 11; right: 7;");
  SetSkinProperty(skin, c, L"normal", L"group margin", L"top: 17; left: 13; bottom: 23; right: 19;");
  SetSkinProperty(skin, c, L"normal", L"group padding", L"top: 4; left: 2; bottom: 8; right: 6;");
  SetSkinProperty(skin, c, L"normal", L"item padding", L"top: 9; left: 1; bottom: 10; right: 3;");
  SetSkinProperty(skin, c, L"normal", L"header height", L"32;");
  SetSkinProperty(skin, c, L"normal", L"item height", L"20;");
  SetSkinProperty(skin, c, L"normal", L"background", L"-1;");
  SetSkinProperty(skin, c, L"normal", L"group background", L"-1;");
  return skin;
}

inline const ExplorerBarRecord* Bar(int numberOrWindow) { return FindExplorerBar(numberOrWindow); }

// The groups of a bar in list order (empty when the bar is unknown).
inline std::vector<const ExplorerBarGroupRecord*> Groups(int bar) {
  std::vector<const ExplorerBarGroupRecord*> groups;
  if (const ExplorerBarRecord* record = Bar(bar))
    for (const ExplorerBarGroupRecord& group : record->groups) groups.push_back(&group);
  return groups;
}
inline const ExplorerBarGroupRecord* Group(int bar, size_t index) {
  const auto groups = Groups(bar);
  return index < groups.size() ? groups[index] : nullptr;
}
inline HWND Body(int bar, size_t index) {
  const ExplorerBarGroupRecord* group = Group(bar, index);
  return group ? group->body : nullptr;
}
inline HWND Header(int bar, size_t index) {
  const ExplorerBarGroupRecord* group = Group(bar, index);
  return group ? group->Header() : nullptr;
}
inline int Collapsed(int bar, size_t index) {
  const ExplorerBarGroupRecord* group = Group(bar, index);
  return group ? group->collapsed : -1;
}

// A window's rectangle in its parent's client coordinates, as "x,y wxh".
inline RECT InParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
inline std::string Box(HWND window) {
  const RECT r = InParent(window);
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}
inline int HeightOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

// The alpha of page 0 of a panel window.
inline int PageAlpha(HWND panel) {
  LockGuard lock(Locks().panel);
  const PanelExRecord* record = FindPanelExByWindow(panel);
  return record && record->currentPage ? record->currentPage->alpha : -1;
}

// The bar's vertical scroll bar is on (GetPanelExPageScrolling 32 of its panel),
// and whether a horizontal one is.
inline int VerticalBarOn(int bar) { return GetPanelExPageScrolling(AsKey(ExplorerBarID(bar)), 0, 32); }
inline int HorizontalBarOn(int bar) { return GetPanelExPageScrolling(AsKey(ExplorerBarID(bar)), 0, 16); }

// Bars on the shown, raised host with the real pointer kept off them between
// tests; every bar goes at the end of each.
class BarsOnScreen : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
    ShowAndRaise(host_);
    MovePointerAway();
  }
  void TearDown() override {
    MovePointerAway();
    FreeExplorerBar(-1);
  }

  HWND host_ = nullptr;
};

}  // namespace kelvra::test
