// The process-wide state of menus, toolbars and rebars that the library's start
// gives a first value and its end puts away: their hook handles and settings.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// On only for the length of one InsertToolBar* call: the adders then put the new
// button at `position` instead of appending it.
struct ToolBarExInsertMode {
  bool on = false;
  int32_t position = -1;
};

// Set to these values by Kelvra_Init (steps::InitCommandBarSettings).
struct CommandBarSettings {
  int32_t rebarInsertPosition = -2;  // AddRebarGadget's insertion position
  int32_t rebarMouseHookState = -1;
  int32_t lastRebarId = -1;
  int32_t currentToolBarEx = -1;     // the toolbar that new buttons go to
  ToolBarExInsertMode toolBarExInsertMode;
  int32_t lastMenuExId = -1;
  int32_t lastPopupMenuExId = -1;
  int32_t menuKeyboardIndex[3] = {-1, -1, -1};
  int32_t menuImageWidth = 16;
  int32_t menuImageHeight = 16;
  int32_t hostSizingFlag = 0;        // -1 while a host window or rebar band is being sized
  uint8_t autoHotKeyDisable = 0;     // MenuExAutoHotKeyDisable: item texts bind no hot keys
  uint8_t f10Disable = 0;            // MenuExF10Disable: F10 does not enter the menu bar
};

struct CommandBarGlobals {
  // Hooks (0 while not installed).
  HHOOK menuKeyboardHook = nullptr;
  HHOOK hotKeyMessageHook = nullptr;
  HHOOK rebarMouseHook = nullptr;
  HHOOK rebarCursorHook = nullptr;  // while the pointer is near a sizable band's edge
  HHOOK rebarDragHook = nullptr;    // during a native band drag

  CommandBarSettings settings;
};

CommandBarGlobals& CommandBarState();

}  // namespace kelvra
