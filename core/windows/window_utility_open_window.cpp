// OpenWindowEx: the library's own plain top-level and child windows.
#include <algorithm>

#include "core/library/library_globals.h"
#include "core/windows/window_geometry.h"
#include "core/windows/window_utility.h"
#include "kelvra.h"

namespace kelvra {

namespace {

constexpr wchar_t kWindowClass[] = L"Kelvra_Window";
constexpr uint32_t kFrameFlags = KELVRA_WINDOW_MAXIMIZE_BOX | KELVRA_WINDOW_MINIMIZE_BOX | KELVRA_WINDOW_SIZEABLE |
                                 KELVRA_WINDOW_SYSTEM_MENU | KELVRA_WINDOW_TITLE_BAR;

bool RegisterWindowClass() {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(LibraryModule(), kWindowClass, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = LibraryModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  // A second thread may have registered it in between: that is success too.
  return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

DWORD StyleOf(uint32_t flags) {
  DWORD style = flags & kFrameFlags;
  if (flags & KELVRA_WINDOW_CHILD) style |= WS_CHILD | WS_CLIPSIBLINGS;
  else if (!(flags & KELVRA_WINDOW_TITLE_BAR)) style |= WS_POPUP;
  if (!(flags & KELVRA_WINDOW_HIDDEN)) style |= WS_VISIBLE;
  return style | WS_CLIPCHILDREN;
}

}  // namespace

HWND OpenWindow(const wchar_t* title, int x, int y, int width, int height, uint32_t flags, HWND parent) {
  if (width < 0 || height < 0) return nullptr;
  if (parent && !IsWindow(parent)) return nullptr;
  const bool child = (flags & KELVRA_WINDOW_CHILD) != 0;
  if (child && !parent) return nullptr;
  if (!RegisterWindowClass()) return nullptr;

  const DWORD style = StyleOf(flags);
  // The size asked for is the client area's; the frame comes on top. Sizes are
  // bounded first so that the frame cannot carry them past the 32-bit range (the
  // system clamps a window's size far below this anyway).
  RECT frame{0, 0, std::min(width, kMaxClientExtent), std::min(height, kMaxClientExtent)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int64_t outerWidth = int64_t{frame.right} - frame.left, outerHeight = int64_t{frame.bottom} - frame.top;
  if (flags & KELVRA_WINDOW_SCREEN_CENTRED) {
    RECT area{};
    if (child) GetClientRect(parent, &area);
    else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    x = CentredStart(area.left, int64_t{area.right} - area.left, outerWidth);
    y = CentredStart(area.top, int64_t{area.bottom} - area.top, outerHeight);
  }
  return CreateWindowExW(0, kWindowClass, title ? title : L"", style, x, y, ClampToInt32(outerWidth),
                         ClampToInt32(outerHeight), parent, nullptr, LibraryModule(), nullptr);
}

}  // namespace kelvra
