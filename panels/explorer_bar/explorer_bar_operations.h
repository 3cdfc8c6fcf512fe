// The operations behind the ExplorerBar exports, and the two panel callbacks of a
// bar. `bar` arguments are a number or a panel window; results are the exports'
// own. All run on the user-interface thread and take no lock of their own; each
// finds its records again after anything that can send messages.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/button/button_operations.h"

namespace kelvra {

struct ExplorerBarPlace {
  HWND parent = nullptr;
  int32_t number = -1;  // -1: a fresh number
  int x = 0, y = 0, width = 0, height = 0;
};

// CreateExplorerBar: the number when -1 was given, else the bar's window; 0 when
// the number is in use, the parent is no window or a panel could not be made.
intptr_t CreateExplorerBarControl(const ExplorerBarPlace& place, intptr_t skin);

// AddExplorerBarImageGroup to the current bar, with the header's images by
// visual state (states 0 to 6): the header's number, 0 when nothing was added.
int32_t AddExplorerBarGroupTo(const wchar_t* text, const ButtonExImages& images);

// ExplorerBarImageItem to the current group, with the item's images by visual
// state (states 0 to 3): the id when -1 was given, else the item button's
// window; 0 when the id is used in the group or nothing was added.
intptr_t AddExplorerBarItemTo(int32_t id, const wchar_t* text, const ButtonExImages& images);

// SetExplorerBarSkin: 1, or 0 when the bar or the skin is unknown. component: ""
// or null for the bar's own ("explorerbar" when it has none).
int SetExplorerBarSkinOf(intptr_t bar, uintptr_t skin, const wchar_t* component, bool redraw);
// The same for a bar the library names by its window: a number key could match
// another bar numbered like that window.
int ApplyExplorerBarSkin(HWND barWindow, uintptr_t skin, const wchar_t* component, bool redraw);
// The same, but of the groups only the one whose body is `onlyBody` is skinned
// (nullptr: every group): a new group, whose bar's other groups wear the skin
// already. Re-skinning them all for each group added would make building a bar
// of many groups cost the square of their count.
int ApplyExplorerBarSkinTo(HWND barWindow, uintptr_t skin, const wchar_t* component, bool redraw, HWND onlyBody);

// FreeExplorerBar (-1: every bar): 1 when a bar was freed or -1 was given, else
// 0. `redrawParent`: the former parent is repainted (not at the library's end,
// when every window is hidden).
int FreeExplorerBars(intptr_t bar, bool redrawParent);

// The PanelExCallback of a bar's panel, and that of each group's body panel.
LRESULT CALLBACK ExplorerBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ExplorerBarGroupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
