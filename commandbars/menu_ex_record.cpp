// The MenuExList and the look-ups the toolbar code makes in it.
#include "commandbars/menu_ex_record.h"

#include "core/library/reentrant_lock.h"

namespace kelvra {

ControlList<MenuExRecord>& MenuExList() {
  static ControlList<MenuExRecord> list;
  return list;
}

MenuExRecord* FindMenuExByNumberOrHandle(intptr_t key) {
  for (MenuExRecord& record : MenuExList())
    if (record.number == key || reinterpret_cast<intptr_t>(record.menuHandle) == key) return &record;
  return nullptr;
}

MenuExRecord* FindMenuExBinding(HWND toolbar, int32_t commandId) {
  for (MenuExRecord& record : MenuExList())
    if (record.kind == MenuExKind::DropDownBinding && record.BarWindow() == toolbar && record.commandId == commandId)
      return &record;
  return nullptr;
}

MenuExRecord* ResolveBoundRecord(const MenuExRecord& binding) {
  if (binding.boundRecord == 0 || binding.boundRecord == kMenuExBoundUnknown) return nullptr;
  return MenuExList().FindByAddress(reinterpret_cast<const void*>(binding.boundRecord));
}

void DeleteMenuExBindings(HWND toolbar, int32_t commandId, bool allButtons) {
  LockGuard lock(Locks().menu);
  if (!lock || !toolbar) return;
  auto& list = MenuExList();
  if (list.Empty()) return;
  ControlList<MenuExRecord>::CurrentGuard keep(list);
  list.ForEach([&](MenuExRecord& record) {
    if (record.kind == MenuExKind::DropDownBinding && record.BarWindow() == toolbar &&
        (allButtons || record.commandId == commandId))
      list.Remove(&record);
  });
}

}  // namespace kelvra
