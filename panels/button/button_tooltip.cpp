// ButtonExToolTip: one tool-tip window per button, made on first use.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"
#include "core/library/library_globals.h"

namespace kelvra {

namespace {

// The TTTOOLINFOW the common controls of every version accept (44 bytes).
TTTOOLINFOW ToolInfo(const ButtonExRecord& button, std::wstring& text) {
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = button.Window();
  info.uId = reinterpret_cast<UINT_PTR>(button.page);
  info.lpszText = text.data();
  return info;
}

}  // namespace

int SetButtonToolTip(intptr_t key, const wchar_t* text) {
  ButtonExRecord* button = FindButtonEx(key);
  if (!button) return 0;
  std::wstring copy = text ? text : L"";
  const HWND panel = button->Window();
  const HWND page = button->page;
  if (button->toolTip && IsWindow(button->toolTip)) {
    TTTOOLINFOW info = ToolInfo(*button, copy);
    SendMessageW(button->toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return 1;
  }
  const HWND toolTip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, panel, nullptr, Globals().instance, nullptr);
  // Making the window may have run code that freed the button.
  button = FindButtonExByPage(page);
  if (!button) {
    if (toolTip) DestroyWindow(toolTip);
    return 0;
  }
  button->toolTip = toolTip;
  if (!toolTip) return 1;
  TTTOOLINFOW info = ToolInfo(*button, copy);
  SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  return 1;
}

}  // namespace kelvra
