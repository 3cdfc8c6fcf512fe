// Switching a panel's current page, for the panel code that already holds the
// records (ShowPanelExPage, and freeing the current page).
#pragma once

#include <windows.h>

namespace kelvra {

class LockGuard;
struct PanelExRecord;
struct PanelExPageRecord;

// Makes `page` its panel's current page and shows it. `panelLock` holds PanelLock
// on entry; it is released around the calls that send messages and is released
// on return. Returns -1.
int ShowPanelPage(PanelExRecord& panel, PanelExPageRecord& page, LockGuard& panelLock);

}  // namespace kelvra
