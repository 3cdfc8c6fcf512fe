// Making explorer bars: the bar's scrolling panel, and the choice of its skin.
#include <utility>

#include "core/library/object_numbers.h"
#include "panels/explorer_bar/explorer_bar_operations.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "panels/explorer_bar/explorer_bar_skin.h"
#include "panels/scrolling/page_scrolling.h"
#include "panels/panel/family_panel.h"
#include "panels/panel/panel_operations.h"
#include "skin/builtin/builtin_skins.h"
#include "skin/records/skin_list.h"
#include "skin/ui_colours/ui_style.h"

namespace kelvra {

namespace {

// A number no bar uses (automatic numbers never equal a window or a caller's
// small number).
int32_t FreshBarNumber() {
  for (;;) {
    const int32_t number = NewObjectNumber();
    if (!FindExplorerBarByNumber(number)) return number;
  }
}

}  // namespace

uintptr_t ChooseExplorerBarSkin(intptr_t skin) {
  if (static_cast<uintptr_t>(skin) == kUIStyleOffice2007) return BuiltInSkin(kOffice2007ExplorerBarSkin);
  if (skin && FindSkin(static_cast<uintptr_t>(skin))) return static_cast<uintptr_t>(skin);
  return BuiltInSkin(kExplorerBarSkin);
}

intptr_t CreateExplorerBarControl(const ExplorerBarPlace& place, intptr_t skinArgument) {
  int32_t number = place.number;
  if (number == -1) {
    number = FreshBarNumber();
  } else if (FindExplorerBarByNumber(number)) {
    return 0;
  }
  if (!IsWindow(place.parent)) return 0;
  const uintptr_t skin = ChooseExplorerBarSkin(skinArgument);

  const FamilyPanel windows =
      MakeFamilyPanel(place.parent, place.x, place.y, place.width, place.height, ExplorerBarProc, 0);
  if (!windows.window) return 0;
  // Only the vertical bar ever shows: groups are as wide as the bar.
  SetPageScrolling(windows.number, 0, kScrollAuto | kScrollNoAutoHorizontal, 1);
  // The number may have been taken while the windows were made (by a procedure
  // that made bars of its own).
  if (FindExplorerBarByNumber(number)) {
    FreePanel(windows.number);
    return 0;
  }

  auto record = std::make_unique<ExplorerBarRecord>();
  record->number = number;
  record->window = windows.window;
  record->panelNumber = windows.number;
  record->page = windows.page;
  record->skin = skin;
  EnterExplorerBar(std::move(record));
  if (!ApplyExplorerBarSkin(windows.window, skin, L"", true))
    ApplyExplorerBarSkin(windows.window, BuiltInSkin(kExplorerBarSkin), L"", true);

  // Applying the skin runs window procedures, which may have freed the bar.
  const ExplorerBarRecord* bar = FindExplorerBarByWindow(windows.window);
  if (!bar) return 0;
  return place.number == -1 ? number : reinterpret_cast<intptr_t>(bar->window);
}

}  // namespace kelvra
