// The menu-shadow sets and their removal with their popup windows.
#include "core/shadow/menu_shadow_registry.h"

#include <mutex>
#include <vector>

#include "core/shadow/drop_shadow.h"
#include "core/shadow/strip_cache.h"

namespace kelvra {

ControlList<MenuShadowSet>& MenuShadowSetList() {
  static ControlList<MenuShadowSet> list;
  return list;
}

MenuShadowSet* FindMenuShadowSet(HWND popup) {
  if (!popup) return nullptr;
  for (MenuShadowSet& set : MenuShadowSetList())
    if (set.ownerPopup == popup) return &set;
  return nullptr;
}

void RemoveMenuShadows(HWND popupWindow) {
  if (!popupWindow) return;
  std::vector<HWND> destroy, showAgain;
  {
    std::lock_guard lock(ShadowStateLock());
    MenuShadowSetList().ForEach([&](MenuShadowSet& set) {
      if (set.ownerPopup != popupWindow) return;
      for (HWND window : {set.rightShadow, set.bottomShadow, set.thirdShadow, set.remadeWindow})
        if (window) destroy.push_back(window);
      if (set.hiddenWindow) showAgain.push_back(set.hiddenWindow);
      MenuShadowSetList().Remove(&set);
    });
  }
  // Windows destroyed elsewhere meanwhile may have handed their handles on.
  for (HWND window : destroy)
    if (IsDropShadowWindow(window)) DestroyWindow(window);
  for (HWND window : showAgain)
    if (IsDropShadowWindow(window)) ShowWindow(window, SW_SHOWNA);
}

void ForgetMenuShadowSets() {
  std::lock_guard lock(ShadowStateLock());
  MenuShadowSetList().Clear();
}

}  // namespace kelvra
