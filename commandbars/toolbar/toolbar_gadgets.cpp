// Gadgets: child windows (combo boxes, edits, any window) placed over a button
// slot of a toolbar, kept over their slot as the toolbar's layout changes and
// handed back to the top-level window when their button or toolbar goes.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/toolbar/toolbar_button_add.h"
#include "commandbars/toolbar/toolbar_host_messages.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/windows/window_class_name.h"

namespace kelvra {

namespace {

constexpr UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
constexpr UINT kRedrawGadget = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW;

bool IsComboBox(HWND window) { return WindowClassName(window) == L"ComboBox"; }

// The combo box's list items take the gadget's height less its frame; a height
// under 7 would give them none or less (a negative height is accepted and
// collapses the combo box to one pixel).
void FitComboItemHeight(HWND gadget, int height) {
  if (height >= 7 && IsComboBox(gadget)) SendMessageW(gadget, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
}

// A window the library may take into a toolbar: one of this process, and not
// the toolbar or one of its ancestors (which would make a cycle of parents).
bool CanBeGadget(HWND gadget, HWND toolbar) {
  if (!gadget || !IsWindow(gadget) || gadget == toolbar) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(gadget, &process);
  if (process != GetCurrentProcessId()) return false;
  return !IsChild(gadget, toolbar);
}

}  // namespace

int32_t AddToolBarExGadget(int32_t id, HWND gadget, const ToolBarExGadgetMargins& margins, uint8_t hotTracking) {
  ToolBarExRecord* toolbar = CurrentToolBarExRecord();
  if (!toolbar || !ToolBarExWindowAlive(*toolbar)) return 0;
  const HWND window = toolbar->Window();
  if (!CanBeGadget(gadget, window)) return 0;
  if (id != -1 && FindToolBarExButton(*toolbar, id)) return 0;
  if (id == -1 && !(id = FreshToolBarExCommandId())) return 0;

  RECT bounds{};
  GetWindowRect(gadget, &bounds);
  const int width = bounds.right - bounds.left;
  auto record = std::make_unique<ToolBarExButtonRecord>();
  record->commandId = id;
  record->gadget = gadget;
  record->hotTracking = hotTracking ? 1 : 0;
  record->margins = margins;
  ToolBarExButtonRecord* button = PlaceToolBarExButton(*toolbar, std::move(record), ToolBarExIcons{}, 0, 0, -1, false);
  if (!button) return 0;
  SetToolBarExSlotWidth(*button, width + margins.left + margins.right);

  ShowWindow(gadget, SW_HIDE);
  SetParent(gadget, window);
  RECT slot{};
  SendMessageW(window, TB_GETITEMRECT, static_cast<WPARAM>(ToolBarExButtonIndex(*button)), reinterpret_cast<LPARAM>(&slot));
  // The top margin moves the gadget down without shortening it: only the bottom
  // margin is taken from the slot's height.
  const int height = (slot.bottom - slot.top) - margins.bottom;
  SetWindowPos(gadget, nullptr, slot.left + margins.left, slot.top + margins.top, width, height, kPlaceFlags);
  FitComboItemHeight(gadget, height);
  ShowWindow(gadget, SW_SHOW);
  LayoutToolBarExGadgets(*toolbar);
  return id;
}

void LayoutToolBarExGadgets(const ToolBarExRecord& toolbar) {
  const HWND window = toolbar.Window();
  for (ToolBarExButtonRecord* button : ToolBarExGadgetButtonsOf(toolbar)) {
    if (!IsWindow(button->gadget)) continue;
    const int index = ToolBarExButtonIndex(*button);
    RECT slot{};
    if (index < 0 || !SendMessageW(window, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&slot)))
      continue;
    const auto& margins = button->margins;
    const int height = (slot.bottom - slot.top) - margins.bottom;
    SetWindowPos(button->gadget, nullptr, slot.left + margins.left, slot.top + margins.top,
                 (slot.right - slot.left) - margins.left - margins.right, height, kPlaceFlags);
    FitComboItemHeight(button->gadget, height);
  }
}

void ReleaseToolBarExGadget(const ToolBarExButtonRecord& button) {
  const HWND gadget = button.gadget;
  if (!gadget || !IsWindow(gadget) || GetParent(gadget) != button.toolbarWindow) return;
  ShowWindow(gadget, SW_HIDE);
  SetParent(gadget, GetAncestor(button.toolbarWindow, GA_ROOT));
}

void OnToolBarExGadgetDropDown(HWND gadget, bool open) {
  ToolBarExButtonRecord* button = nullptr;
  for (ToolBarExButtonRecord* candidate : ToolBarExButtonsWithGadget(gadget))
    if (candidate->hotTracking) {
      button = candidate;
      break;
    }
  if (!button) return;
  if (open) {
    button->buttonFlags |= kToolBarExButtonDroppedDown;
  } else {
    button->buttonFlags &= ~kToolBarExButtonDroppedDown;
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND under = WindowFromPoint(cursor);
    if (under != gadget && GetParent(under) != gadget) button->buttonFlags &= ~kToolBarExButtonHot;
  }
  const HWND toolbar = button->toolbarWindow;
  RECT rect{};
  GetClientRect(gadget, &rect);
  MapWindowPoints(gadget, toolbar, reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(toolbar, &rect, nullptr, kRedrawGadget);
}

}  // namespace kelvra
