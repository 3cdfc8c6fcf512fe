// The steps that every adder shares (buttons, separators, gadget slots): a fresh
// command id, the icons and the button put at the insert position, a slot's width.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_record.h"

namespace kelvra {

// The next automatic command id that no button of any toolbar has; 0 when every
// id is taken.
int32_t FreshToolBarExCommandId();

// Puts the button into `toolbar`: its icons (withImage: `given`, completed by the
// placeholder and a tint; else the placeholder in all three lists), the record
// (its id and label set by the caller) and the native button at the insert
// position, with the image indexes of the buttons after it renumbered. nullptr,
// with nothing left behind, when an icon or the native insert is refused.
ToolBarExButtonRecord* PlaceToolBarExButton(ToolBarExRecord& toolbar, std::unique_ptr<ToolBarExButtonRecord> record,
                                            const ToolBarExIcons& given, BYTE state, BYTE style, INT_PTR string,
                                            bool withImage);

// The control's text of a label: markup reduced to the plain text it shows.
std::wstring ToolBarExPlainLabel(const wchar_t* text);

// TBIF_SIZE of the button's slot (separators and gadgets), clamped to 0..32767.
bool SetToolBarExSlotWidth(const ToolBarExButtonRecord& button, int width);

}  // namespace kelvra
