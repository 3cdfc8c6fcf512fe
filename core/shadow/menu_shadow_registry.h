// The shadow windows the library made for popup menu windows (MenuShadowSet).
#pragma once

#include <windows.h>

namespace kelvra {

// Destroys the shadow windows of every MenuShadowSet owned by `popupWindow` and
// removes the sets. The creation hook calls it on the popup's WM_DESTROY.
void RemoveMenuShadows(HWND popupWindow);

}  // namespace kelvra
