// Exports of the window utilities: thin shims over core/windows/window_utility.h.
#include "core/windows/window_utility.h"
#include "kelvra.h"

extern "C" {

KELVRA_API int KELVRA_CALL LimitWindowSize(HWND window, int minimumWidth, int minimumHeight, int maximumWidth,
                                           int maximumHeight) {
  try {
    kelvra::LimitWindowSize(window, {minimumWidth, minimumHeight, maximumWidth, maximumHeight});
  } catch (...) {
  }
  return 1;
}

KELVRA_API HWND KELVRA_CALL OpenWindowEx(LPCWSTR title, int x, int y, int width, int height, int flags, int /*unused*/,
                                         HWND parent) {
  try {
    return kelvra::OpenWindow(title, x, y, width, height, static_cast<uint32_t>(flags), parent);
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL SetWindowFont(HWND window, HFONT font) {
  // -1 and 0xFFFF are no windows but SendMessageW takes them as "every top-level
  // window", which would hand the font to all of them.
  if (!IsWindow(window)) return 0;
  return static_cast<int>(SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE));
}

KELVRA_API int KELVRA_CALL changeListiconSubIcon(HWND listView, int item, int subItem, HICON icon) {
  try {
    kelvra::SetListViewSubItemIcon(listView, item, subItem, icon);
  } catch (...) {
  }
  return 0;
}

}  // extern "C"
