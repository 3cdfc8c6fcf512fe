// SplitterEx: the container panel and the bar panel, each with one page, the
// gadgets moved onto the container's page, the skin applied and the whole laid
// out by the container's first resize.
#include <memory>

#include "core/library/object_numbers.h"
#include "panels/page/page_settings.h"
#include "panels/panel/family_panel.h"
#include "panels/panel/panel_operations.h"
#include "panels/splitter/splitter_operations.h"
#include "panels/splitter/splitter_registry.h"
#include "panels/splitter/splitter_skin.h"
#include "skin/records/skin_list.h"

namespace kelvra {

namespace {

// A number no splitter uses, 0 when none could be found.
int32_t FreshSplitterNumber() {
  for (int tries = 0; tries < 0x10000; ++tries) {
    const int32_t number = NewObjectNumber();
    if (number != 0 && number != -1 && !FindSplitterExByNumber(number)) return number;
  }
  return 0;
}

bool IsNumberFree(int32_t number) { return !FindSplitterExByNumber(number); }

}  // namespace

bool IsUsableGadget(HWND gadget, HWND parent, const SplitterExRecord* splitter) {
  if (!gadget || !IsWindow(gadget)) return false;
  if (gadget == parent || IsChild(gadget, parent)) return false;
  if (!splitter) return true;
  const HWND own[] = {splitter->Container(), splitter->containerPage, splitter->bar, splitter->barPage};
  for (HWND window : own)
    if (gadget == window) return false;
  return true;
}

intptr_t CreateSplitter(const SplitterExPlace& place) {
  int32_t number = place.number;
  if (number == -1) {
    number = FreshSplitterNumber();
    if (!number) return 0;
  } else if (!IsNumberFree(number)) {
    return 0;
  }
  // Gadgets may come later (by attribute), but something must be a window.
  if (!IsWindow(place.parent) && !IsWindow(place.first) && !IsWindow(place.second)) return 0;
  const HWND first = IsUsableGadget(place.first, place.parent, nullptr) ? place.first : nullptr;
  const HWND second =
      place.second != first && IsUsableGadget(place.second, place.parent, nullptr) ? place.second : nullptr;

  // Both pages start without a background: the skin gives them theirs.
  const FamilyPanel container = MakeFamilyPanel(place.parent, 0, 0, 0, 0, SplitterExContainerProc, -1);
  if (!container.window) return 0;
  const FamilyPanel bar = MakeFamilyPanel(container.page, 0, 0, 0, 0, SplitterExBarProc, -1);
  if (!bar.window) {
    FreePanel(container.number);
    return 0;
  }
  // The number may have been taken while the windows were made.
  if (!IsNumberFree(number)) {
    FreePanel(bar.number);
    FreePanel(container.number);
    return 0;
  }
  const bool stacked = place.flags & kSplitterStacked;
  SetPageCursor(bar.number, 0, reinterpret_cast<intptr_t>(stacked ? IDC_SIZENS : IDC_SIZEWE));

  auto record = std::make_unique<SplitterExRecord>();
  record->number = number;
  record->window = container.window;
  record->containerPanel = container.number;
  record->containerPage = container.page;
  record->barPanel = bar.number;
  record->bar = bar.window;
  record->barPage = bar.page;
  record->first = first;
  record->second = second;
  record->flags = place.flags;
  record->position = StartPosition(place.flags);
  record->snapMode = SnapModeFromFlags(place.flags);
  SplitterExRecord* splitter = EnterSplitterEx(std::move(record));
  if (!splitter) {
    FreePanel(bar.number);
    FreePanel(container.number);
    return 0;
  }
  if (first) SetParent(first, container.page);
  if (second) SetParent(second, container.page);

  // A value that is no skin gets the plain built-in look, as 0 does: a bar
  // without a size could never be seen or dragged.
  uintptr_t skin = ChooseSplitterSkin(place.skin);
  if (!FindSkin(skin)) skin = ChooseSplitterSkin(0);
  if (SplitterExRecord* again = FindSplitterExByNumber(number)) ApplySplitterSkin(*again, skin, L"", false);

  const SplitterExRecord* made = FindSplitterExByNumber(number);
  if (!made || made->Container() != container.window) return 0;
  MoveWindow(container.window, place.x, place.y, place.width, place.height, TRUE);
  if (!FindSplitterExByNumber(number)) return 0;
  return place.number == -1 ? number : reinterpret_cast<intptr_t>(container.window);
}

}  // namespace kelvra
