// SetSplitterExSkin: the bar sizes and paddings of both orientations and the
// four looks of container and bar, read once, so that state changes only copy
// stored values to the pages.
#include "panels/splitter/splitter_skin.h"

#include <array>
#include <string>
#include <string_view>

#include "panels/page/page_invalidation.h"
#include "panels/page/page_look_reader.h"
#include "panels/splitter/splitter_move.h"
#include "panels/splitter/splitter_operations.h"
#include "panels/splitter/splitter_registry.h"
#include "skin/builtin/builtin_skins.h"
#include "skin/records/skin_list.h"
#include "skin/values/skin_number_reader.h"

namespace kelvra {

namespace {

constexpr std::array<std::wstring_view, kSplitterLookCount> kStateNames{L"normal", L"hot", L"pressed", L"disabled"};

constexpr uintptr_t kOffice2007Selector = 0x2000000;  // UISTYLE_OFFICE2007

SplitterEdges Edges(const SkinParamReader& params) {
  const SkinEdges e = ReadSkinEdges(params);
  return SplitterEdges{e.left, e.top, e.right, e.bottom};
}

// "gripper size", "first padding" and "second padding" of the selected state.
SplitterOrientationSizes ReadSizes(const SkinStateReader& reader) {
  const SkinParamReader size = SkinParamsOf(reader.Property(L"gripper size"));
  SplitterOrientationSizes out;
  out.barWidth = ReadSkinInteger(size(L"width"));
  out.barHeight = ReadSkinInteger(size(L"height"));
  out.firstPadding = Edges(SkinParamsOf(reader.Property(L"first padding")));
  out.secondPadding = Edges(SkinParamsOf(reader.Property(L"second padding")));
  return out;
}

}  // namespace

uintptr_t ChooseSplitterSkin(uintptr_t skin) {
  switch (skin) {
    case 0: return BuiltInSkin(L"syssplitterskin");
    case 1: return BuiltInSkin(L"syssplitter2skin");
    case kOffice2007Selector: return BuiltInSkin(L"office2007splitterskin");
    default: return skin;
  }
}

int ApplySplitterSkin(SplitterExRecord& splitter, uintptr_t skinHandle, const wchar_t* component, bool redraw) {
  SkinRecord* skin = FindSkin(skinHandle);
  if (!skin) return 0;
  std::wstring name = component && *component ? std::wstring(component) : splitter.component;
  if (name.empty()) name = kComponentSplitter;
  SkinStateReader reader(*skin, name);

  // Both orientations' sizes, whatever the splitter's own: an orientation set
  // later by attribute finds them.
  reader.SelectState(L"normal");
  splitter.sideBySide = ReadSizes(reader);
  reader.SelectState(L"normal vertical");
  splitter.stacked = ReadSizes(reader);
  const std::wstring_view suffix = splitter.IsStacked() ? L" vertical" : L"";
  for (int state = 0; state < kSplitterLookCount; ++state) {
    const std::wstring stateName = std::wstring(kStateNames[state]) + std::wstring(suffix);
    reader.SelectState(stateName);
    splitter.containerLooks[state] = ReadPageLook(*skin, reader);
    splitter.barLooks[state] = ReadPageLook(*skin, reader, L"gripper ");
  }
  splitter.skin = skinHandle;
  splitter.component = std::move(name);

  const int32_t number = splitter.number;
  const HWND container = splitter.Container();
  const uint8_t shown = splitter.visualState < kSplitterLookCount ? splitter.visualState : uint8_t{kSplitterNormal};
  // Copies: the page calls below run window procedures.
  const PageLook containerLook = splitter.containerLooks[shown];
  const PageLook barLook = splitter.barLooks[shown];
  SetPageLook(splitter.containerPanel, 0, containerLook);
  SetPageLook(splitter.barPanel, 0, barLook);

  // The sizes may have changed: lay out again as a resize would.
  const SIZE client = ClientSize(container);
  SplitterExContainerProc(container, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
  if (redraw) {
    const SplitterExRecord* again = FindSplitterExByNumber(number);
    if (again && again->Container() == container) RedrawPanelExPage(again->containerPage);
  }
  return 1;
}

void ShowSplitterBarState(SplitterExRecord& splitter, uint8_t state) {
  if (state >= kSplitterLookCount) return;
  splitter.visualState = state;
  const PageLook look = splitter.barLooks[state];
  const HWND barPage = splitter.barPage;
  SetPageLook(splitter.barPanel, 0, look);
  RedrawPanelExPage(barPage);
}

void OnSplitterSkinChanged(HWND containerPage, LPARAM changedSkin) {
  SplitterExRecord* splitter = FindSplitterExByContainerPage(containerPage);
  if (!splitter || !splitter->skin) return;
  if (changedSkin && static_cast<uintptr_t>(changedSkin) != splitter->skin) return;
  const SkinRecord* skin = FindSkin(splitter->skin);
  if (!skin || skin->SkinAutoUpdate != 1) return;
  ApplySplitterSkin(*splitter, splitter->skin, L"", false);
}

}  // namespace kelvra

namespace kelvra {

int SetSplitterSkin(intptr_t key, uintptr_t skin, const wchar_t* component, bool redraw) {
  SplitterExRecord* splitter = FindSplitterEx(key);
  if (!splitter) return 0;
  return ApplySplitterSkin(*splitter, skin, component, redraw);
}

}  // namespace kelvra
