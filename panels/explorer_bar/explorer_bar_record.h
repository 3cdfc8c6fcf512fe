// The records of an explorer bar: the bar (its panel, page, skin and metrics),
// its groups (a header toggle button over a body panel) and their items (push
// buttons on the body's page).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/library/control_list.h"
#include "panels/explorer_bar/explorer_bar_layout.h"

namespace kelvra {

// number: the command id posted when the item is clicked; window: its button's.
struct ExplorerBarItemRecord : ControlHead {
  int32_t buttonNumber = 0;  // the item's ButtonEx number (a command id)
  HWND page = nullptr;       // the button's page, by which it is re-skinned
};

// number: the header button's number; window: its panel window.
struct ExplorerBarGroupRecord : ControlHead {
  HWND headerPage = nullptr;     // the header button's page, by which it is re-skinned
  int32_t bodyPanelNumber = 0;   // the body panel's automatic number
  HWND body = nullptr;           // the body panel window
  HWND bodyPage = nullptr;       // its only page, parent of the items
  std::wstring text;
  int32_t collapsed = 0;         // 0 open, 1 shut
  ControlList<ExplorerBarItemRecord> items;

  HWND Header() const { return static_cast<HWND>(window); }
};

struct ExplorerBarRecord : ControlHead {  // number, window (the bar's panel window)
  HWND Window() const { return static_cast<HWND>(window); }

  // The panel's own automatic number: the panel calls name it by that, since a
  // window key would also match an application's panel numbered like it.
  int32_t panelNumber = 0;
  HWND page = nullptr;  // the bar's only page, parent of every header and body
  uintptr_t skin = 0;
  std::wstring component;  // empty: "explorerbar"
  ExplorerBarMetrics metrics;
  ControlList<ExplorerBarGroupRecord> groups;
};

}  // namespace kelvra
