// What the ToolBarEx exports do, behind their argument checks: making and freeing
// toolbars, adding and inserting buttons, and the operations on buttons. Each
// returns the export's result. User-interface thread only; no lock of their own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "commandbars/toolbar/toolbar_record.h"

namespace kelvra {

struct ToolBarExIcons {
  HANDLE normal = nullptr;
  HANDLE hot = nullptr;
  HANDLE disabled = nullptr;
};

// ---- Toolbars (toolbar_create.cpp)
intptr_t MakeToolBarEx(int32_t number, HWND parent, int32_t imageWidth, int32_t imageHeight, uint32_t flags);
int32_t FreeToolBarExByKey(intptr_t key);
// The toolbar for an export's argument, when its window is still there: a
// toolbar whose parent was destroyed went with it, and its handle may come back
// as someone else's window.
ToolBarExRecord* FindLiveToolBarEx(intptr_t key);
bool ToolBarExWindowAlive(const ToolBarExRecord& toolbar);

// ---- Adding buttons to the current toolbar (toolbar_buttons.cpp)
int32_t AddToolBarExImageButton(int32_t id, const wchar_t* text, const ToolBarExIcons& icons, int32_t style);
int32_t AddToolBarExButton(int32_t id, const wchar_t* text, int32_t style);
int32_t AddToolBarExSeparator();
// Inserting: the adder runs with the insert mode on at `position` and `toolbar`
// current, which is restored after. 0 for an unknown toolbar.
int32_t InsertIntoToolBarEx(intptr_t toolbar, int32_t position, const std::function<int32_t()>& add);
// The button's index in its toolbar (TB_COMMANDTOINDEX), -1 when not there.
int ToolBarExButtonIndex(const ToolBarExButtonRecord& button);

// ---- Drop-down buttons (toolbar_dropdown.cpp)
int32_t AddToolBarExDropdownButton(int32_t id, intptr_t menu, const wchar_t* text, const ToolBarExIcons& icons,
                                   int32_t style);
int32_t AttachToolBarExDropdownMenu(intptr_t toolbar, int32_t id, intptr_t menu);

// ---- Gadgets (toolbar_gadgets.cpp)
int32_t AddToolBarExGadget(int32_t id, HWND gadget, const ToolBarExGadgetMargins& margins, uint8_t hotTracking);
// Places every gadget of the toolbar over its slot.
void LayoutToolBarExGadgets(const ToolBarExRecord& toolbar);
// Hands a gadget back to the top-level window, hidden, when its button goes.
void ReleaseToolBarExGadget(const ToolBarExButtonRecord& button);

// ---- Operations on buttons (toolbar_button_ops.cpp)
int32_t ChangeToolBarExButton(intptr_t toolbar, int32_t id, const wchar_t* text, const ToolBarExIcons& icons);
int32_t RemoveToolBarExButtonAt(intptr_t toolbar, int32_t idOrIndex, bool byIndex);
int32_t DisableToolBarExButton(intptr_t toolbar, int32_t id, bool disable);
int32_t HideToolBarExButton(intptr_t toolbar, int32_t id, bool hide);
int32_t CheckToolBarExButton(intptr_t toolbar, int32_t id, bool check);
int32_t SetToolBarExButtonWidthOf(intptr_t toolbar, int32_t id, int32_t width);
int32_t ToolBarExButtonWidthOf(intptr_t toolbar, int32_t id);
int32_t SetToolBarExHeightOf(intptr_t toolbar, int32_t height);
int32_t ToolBarExHeightOf(intptr_t toolbar);
int32_t SetToolBarExUIStyle(intptr_t toolbar, uint32_t style);
int32_t DisableToolBarExFade(intptr_t toolbar);
HWND ToolBarExGadgetOf(intptr_t toolbar, int32_t id);

// ---- Tool tips (toolbar_tooltips.cpp)
int32_t SetToolBarExToolTip(intptr_t toolbar, int32_t id, const wchar_t* text);
int32_t SetToolBarExToolTipDelay(intptr_t toolbar, int32_t initial, int32_t autoPop, int32_t reshow);
// Deletes the tip of `id` unless a button of some toolbar still has that id.
void ForgetToolBarExToolTipIfUnused(int32_t id);

}  // namespace kelvra
