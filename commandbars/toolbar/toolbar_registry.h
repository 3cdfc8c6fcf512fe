// Where toolbars live: the toolbar, button and tool-tip lists, with the indexes
// that keep look-ups constant-time however many buttons there are (a button by
// toolbar and id, the toolbars using an id, the buttons of a gadget, a toolbar by
// its tool-tip window). Toolbars are made, used and freed on the user-interface
// thread only, and these lists take no lock.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "commandbars/toolbar/toolbar_record.h"
#include "core/library/control_list.h"

namespace kelvra {

ControlList<ToolBarExRecord>& ToolBarExList();
ControlList<ToolBarExButtonRecord>& ToolBarExButtonList();
ControlList<ToolBarExToolTipRecord>& ToolBarExToolTipList();

// The first toolbar whose number or window is `key`.
ToolBarExRecord* FindToolBarEx(intptr_t key);
ToolBarExRecord* FindToolBarExByNumber(int32_t number);
ToolBarExRecord* FindToolBarExByWindow(HWND window);
// The toolbar whose own tool-tip window is `toolTip`.
ToolBarExRecord* FindToolBarExByToolTip(HWND toolTip);
// The toolbar new buttons go to (CurrentToolBarEx), when it is in the list.
ToolBarExRecord* CurrentToolBarExRecord();

// Appends the record (it becomes current) and indexes its tool-tip window.
ToolBarExRecord* EnterToolBarEx(std::unique_ptr<ToolBarExRecord> toolbar);
// Removes and frees the record; its buttons must be gone already.
void DeleteToolBarEx(ToolBarExRecord* toolbar);

// The button of `toolbar` with command id `id`.
ToolBarExButtonRecord* FindToolBarExButton(const ToolBarExRecord& toolbar, int32_t id);
// Whether any button of any toolbar has the id.
bool ToolBarExIdInUse(int32_t id);
// The buttons of one toolbar (in no particular order), for walks that visit them all.
std::vector<ToolBarExButtonRecord*> ToolBarExButtonsOf(const ToolBarExRecord& toolbar);
// The gadget buttons of one toolbar.
std::vector<ToolBarExButtonRecord*> ToolBarExGadgetButtonsOf(const ToolBarExRecord& toolbar);
// The buttons whose gadget is `gadget`, in list order (empty for none).
const std::vector<ToolBarExButtonRecord*>& ToolBarExButtonsWithGadget(HWND gadget);

// Appends a button record and indexes it; its toolbar, id and gadget must be set.
ToolBarExButtonRecord* EnterToolBarExButton(std::unique_ptr<ToolBarExButtonRecord> button);
// Removes and frees a button record.
void DeleteToolBarExButton(ToolBarExButtonRecord* button);

// Tool-tip texts, one per command id.
ToolBarExToolTipRecord* FindToolBarExToolTip(int32_t id);
void SetToolBarExToolTipText(int32_t id, const wchar_t* text);
void DeleteToolBarExToolTip(int32_t id);

}  // namespace kelvra
