// Drop-down buttons: a button with an arrow, bound through a MenuExRecord of the
// binding kind to the menu it opens.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/host_window/host_window.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/library/object_numbers.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

// What a menu argument stands for: a MenuEx (by number or menu handle), or else
// a menu handle the library does not know.
struct BoundMenu {
  HMENU handle = nullptr;
  uintptr_t record = kMenuExBoundUnknown;
  int32_t uiStyle = 0;
  const MenuExRecord* found = nullptr;
};

BoundMenu LookUpMenu(intptr_t menu) {
  BoundMenu bound;
  bound.handle = reinterpret_cast<HMENU>(menu);
  if (const MenuExRecord* record = FindMenuExByNumberOrHandle(menu)) {
    bound.handle = record->menuHandle;
    bound.record = reinterpret_cast<uintptr_t>(record);
    bound.uiStyle = record->uiStyle;
    bound.found = record;
  }
  return bound;
}

int32_t FreshMenuNumber() {
  int32_t number = NewObjectNumber();
  while (MenuExList().FindByNumber(number)) number = NewObjectNumber();
  return number;
}

}  // namespace

int32_t AddToolBarExDropdownButton(int32_t id, intptr_t menu, const wchar_t* text, const ToolBarExIcons& icons,
                                   int32_t style) {
  ToolBarExRecord* toolbar = CurrentToolBarExRecord();
  if (!toolbar) return 0;
  const int32_t toolbarNumber = toolbar->number;
  const HWND toolbarWindow = toolbar->Window();
  {
    LockGuard lock(Locks().menu);
    if (!lock) return 0;
    const BoundMenu bound = LookUpMenu(menu);
    if (bound.found && bound.found->BarWindow() == toolbarWindow && bound.found->commandId == id) return 0;
  }
  if (!(style & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN))) style |= BTNS_DROPDOWN;
  // Adding the button sends messages: no lock meanwhile.
  const int32_t added = AddToolBarExImageButton(id, text, icons, style);
  if (!added) return 0;
  toolbar = FindToolBarExByNumber(toolbarNumber);
  {
    LockGuard lock(Locks().menu);
    if (lock && toolbar) {
      // Looked up again: a message meanwhile may have freed the menu.
      const BoundMenu bound = LookUpMenu(menu);
      auto binding = std::make_unique<MenuExRecord>();
      binding->number = FreshMenuNumber();
      binding->window = toolbarWindow;
      binding->kind = MenuExKind::DropDownBinding;
      binding->menuHandle = bound.handle;
      binding->commandId = added;
      binding->popupMarker = 0xFF;
      binding->boundRecord = bound.record;
      binding->uiStyle = bound.uiStyle;
      MenuExList().Append(std::move(binding));
    }
  }
  if (toolbar) SubclassHostWindow(toolbar->parent);
  return added;
}

int32_t AttachToolBarExDropdownMenu(intptr_t key, int32_t id, intptr_t menu) {
  const ToolBarExRecord* toolbar = FindToolBarEx(key);
  if (!toolbar) return 0;
  LockGuard lock(Locks().menu);
  if (!lock) return 0;
  MenuExRecord* binding = FindMenuExBinding(toolbar->Window(), id);
  if (!binding) return 0;
  const BoundMenu bound = LookUpMenu(menu);
  binding->menuHandle = bound.handle;
  binding->boundRecord = bound.record;
  return 1;
}

}  // namespace kelvra
