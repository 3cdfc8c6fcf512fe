// Adding groups to the current bar and items to its current group. A group is a
// header toggle button over a body panel on the bar's page; an item a push button
// on the body's page. What fails leaves nothing behind.
#include <utility>

#include "core/library/object_numbers.h"
#include "panels/button/button_registry.h"
#include "panels/explorer_bar/explorer_bar_layout.h"
#include "panels/explorer_bar/explorer_bar_operations.h"
#include "panels/explorer_bar/explorer_bar_placement.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "panels/explorer_bar/explorer_bar_skin.h"
#include "panels/panel/family_panel.h"
#include "panels/panel/panel_operations.h"

namespace kelvra {

namespace {

// Buttons and bodies are made and skinned by the library itself: -1 as the skin
// applies none at creation.
constexpr intptr_t kNoCreationSkin = -1;

// A body sized to hold its items (but never lower than a header), open at full
// strength, then the bar laid out around it: a WM_SIZE the panel answers by
// repainting the bar.
void FitBody(HWND barWindow, HWND body) {
  ExplorerBarGroupPlace place = FindExplorerBarGroupByBody(body);
  if (!place.group) return;
  // A shut group keeps its flag: the next header click shuts it again.
  SetExplorerBarBodyHeight(body, place.group->bodyPanelNumber,
                           SizedBodyHeight(place.bar->metrics, place.group->items.Size()), true);
  // The body's height may not have changed (a header's height is its floor), and
  // then no WM_SIZE places its items.
  PlaceExplorerBarItems(body);
  RECT client{};
  GetClientRect(barWindow, &client);
  SendMessageW(barWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

int32_t FreshItemId(const ExplorerBarGroupRecord& group) {
  for (;;) {
    const int32_t id = NewObjectNumber();
    if (!group.items.FindByNumber(id)) return id;
  }
}

}  // namespace

int32_t AddExplorerBarGroupTo(const wchar_t* text, const ButtonExImages& images) {
  const ExplorerBarRecord* bar = CurrentExplorerBar();
  if (!bar) return 0;
  const HWND barWindow = bar->Window();
  const HWND barPage = bar->page;

  const FamilyPanel body = MakeFamilyPanel(barPage, 0, 0, 0, 0, ExplorerBarGroupProc, 0);
  if (!body.window) return 0;
  const auto headerNumber = static_cast<int32_t>(
      CreateToggleButtonEx(ButtonExPlace{barPage, -1, 0, 0, 0, 0}, text, images, kNoCreationSkin));
  const ButtonExRecord* header = headerNumber ? FindButtonExByNumber(headerNumber) : nullptr;
  ExplorerBarRecord* barNow = FindExplorerBarByWindow(barWindow);
  // Without its header (or its bar, freed meanwhile) the body would stay on the
  // bar's page as a group nobody can open: all of it goes.
  if (!header || !barNow || barNow != CurrentExplorerBar()) {
    if (header) FreeButton(headerNumber);
    FreePanel(body.number);
    return 0;
  }

  auto record = std::make_unique<ExplorerBarGroupRecord>();
  record->number = headerNumber;
  record->window = header->window;
  record->headerPage = header->page;
  record->bodyPanelNumber = body.number;
  record->body = body.window;
  record->bodyPage = body.page;
  record->text = text ? text : L"";
  EnterExplorerBarGroup(*barNow, std::move(record));

  // The bar reads its skin again and the new group takes it; the repaint is left
  // to the WM_SIZE that lays the bar out.
  ApplyExplorerBarSkinTo(barWindow, barNow->skin, L"", false, body.window);
  FitBody(barWindow, body.window);
  return FindExplorerBarGroupByBody(body.window).group ? headerNumber : 0;
}

intptr_t AddExplorerBarItemTo(int32_t id, const wchar_t* text, const ButtonExImages& images) {
  const ExplorerBarRecord* bar = CurrentExplorerBar();
  const ExplorerBarGroupRecord* group = CurrentExplorerBarGroup();
  if (!bar || !group) return 0;
  const bool automatic = id == -1;
  if (automatic) {
    id = FreshItemId(*group);
  } else if (group->items.FindByNumber(id)) {
    return 0;
  }
  const HWND barWindow = bar->Window();
  const HWND body = group->body;

  const auto buttonNumber = static_cast<int32_t>(
      CreateButtonEx(ButtonExPlace{group->bodyPage, -1, 0, 0, 0, 0}, text, images, kNoCreationSkin));
  const ButtonExRecord* button = buttonNumber ? FindButtonExByNumber(buttonNumber) : nullptr;
  if (!button) return 0;
  // Making the button ran window procedures: the group may be gone, or hold the
  // id by now.
  ExplorerBarGroupPlace place = FindExplorerBarGroupByBody(body);
  if (!place.group || place.group != CurrentExplorerBarGroup() || place.group->items.FindByNumber(id)) {
    FreeButton(buttonNumber);
    return 0;
  }

  auto record = std::make_unique<ExplorerBarItemRecord>();
  record->number = id;
  record->window = button->window;
  record->buttonNumber = buttonNumber;
  record->page = button->page;
  const HWND buttonWindow = button->Window();
  const HWND buttonPage = button->page;
  place.group->items.Append(std::move(record));

  // The WM_SIZE below repaints the bar, the new item with it.
  SetButtonSkinOfPage(buttonPage, place.bar->skin, kExplorerBarItemComponent, false);
  FitBody(barWindow, body);
  if (!FindExplorerBarGroupByBody(body).group) return 0;
  return automatic ? id : reinterpret_cast<intptr_t>(buttonWindow);
}

}  // namespace kelvra
