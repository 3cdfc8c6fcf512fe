// TintMenuAndToolBarIcons: derived disabled icons follow the UI style and colour
// mode. The toolbar half is here; the menu items' half belongs to the menus.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/platform/win_handles.h"
#include "skin/elements/ui_element_painter.h"

namespace kelvra {

namespace {

void TintToolBar(ToolBarExRecord& toolbar, bool onlyStale) {
  if (!toolbar.HasImageLists() || !ToolBarExWindowAlive(toolbar)) return;
  const auto style = static_cast<int32_t>(toolbar.uiStyle);
  for (ToolBarExButtonRecord* button : ToolBarExButtonsOf(toolbar)) {
    if (!button->disabledDerived || (onlyStale && button->tintStyle == style)) continue;
    const int index = ToolBarExButtonIndex(*button);
    if (index < 0) continue;
    UniqueIcon normal(ImageList_GetIcon(toolbar.normalList, index, ILD_TRANSPARENT));
    if (!normal) continue;
    UniqueIcon tinted(TintImageForUIStyle(normal.get(), toolbar.uiStyle));
    if (!tinted || ImageList_ReplaceIcon(toolbar.disabledList, index, tinted.get()) < 0) continue;
    button->tintStyle = style;
  }
}

}  // namespace

void TintMenuAndToolBarIcons(uintptr_t reference, int mode) {
  if (mode == 0 || mode == 1 || mode == 2) TintMenuExItemIcons(reference, mode);
  if (mode == 4) {
    if (ToolBarExRecord* toolbar = FindToolBarExByNumber(static_cast<int32_t>(reference))) TintToolBar(*toolbar, true);
  } else if (mode == 0 || mode == 3) {
    // A colour mode change re-tints every derived icon: the colours changed even
    // where the style did not.
    for (ToolBarExRecord& toolbar : ToolBarExList()) TintToolBar(toolbar, false);
  }
}

}  // namespace kelvra
