// Where buttons live: the button list, found by number, panel window or page
// window, and the state the whole family shares (the hot button and the radio
// group counter). Buttons are made, used and freed on the user-interface thread
// only, and their list takes no lock. A record is found again after every call
// that can send messages: a button may be freed by its own click handler.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/library/control_list.h"
#include "panels/button/button_record.h"

namespace kelvra {

ControlList<ButtonExRecord>& ButtonExList();

// The first button whose number or panel window is `key`.
ButtonExRecord* FindButtonEx(intptr_t key);
ButtonExRecord* FindButtonExByNumber(int32_t number);
// The button whose page is `page`; constant time.
ButtonExRecord* FindButtonExByPage(HWND page);

// Appends the record (it becomes current) and indexes its page.
ButtonExRecord* EnterButtonEx(std::unique_ptr<ButtonExRecord> button);
// Removes and frees the record (its image lists go with it).
void DeleteButtonEx(ButtonExRecord* button);

struct ButtonExFamilyState {
  // The mouse-inside flag: the page of the button that went hot and waits for its
  // leave (0: no button is hot). Other buttons take no hot look meanwhile.
  HWND hotPage = nullptr;
  // Radio buttons made between two RadioButtonEx(0, ...) calls form one group.
  int32_t radioGroupCounter = 0;
};
ButtonExFamilyState& ButtonExFamily();

}  // namespace kelvra
