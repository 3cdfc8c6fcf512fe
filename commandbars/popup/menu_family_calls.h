// What the tracking code asks of the menu family (commandbars/menu/): sizes of
// the menus it shows. Answered "nothing here" by commandbars/not_built_yet.cpp
// until the menu family defines them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// The measured size of the popup that title `commandId` of menu bar `bar` drops
// down (its CalcMenuItemWidth and CalcMenuHeight), MenuLock held by the caller.
// Nothing here: {0, 0}, the area is the title buttons' own.
SIZE MenuBarTitlePopupSize(HWND bar, int commandId);

// Every item of `menu` is measured again (its owner-drawn size forgotten), as
// after its record's UI style changed. MenuLock held by the caller.
// Nothing here: 0, the items keep their sizes.
int32_t RefreshMenuExItems(HMENU menu);

}  // namespace kelvra
