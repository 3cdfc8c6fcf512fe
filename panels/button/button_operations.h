// The operations behind the ButtonEx exports. `button` arguments are a number or
// a panel window; results are the exports' own. All run on the user-interface
// thread; each finds its record again after anything that can send messages.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "panels/button/button_record.h"

namespace kelvra {

// Images by visual state (only states 0 to 6 are given by callers); 0 for none.
using ButtonExImages = std::array<HANDLE, kButtonExStateCount>;

struct ButtonExPlace {
  HWND parent = nullptr;
  int32_t number = -1;  // -1: a fresh command id
  int x = 0, y = 0, width = 0, height = 0;
};

// The creating exports: the number when -1 was given, else the panel window; 0
// when nothing was made (and then nothing is left behind).
intptr_t CreateButtonEx(const ButtonExPlace& place, const wchar_t* text, const ButtonExImages& images,
                        intptr_t skin);
intptr_t CreateImageButtonEx(const ButtonExPlace& place, const ButtonExImages& images);
intptr_t CreateToggleButtonEx(const ButtonExPlace& place, const wchar_t* text, const ButtonExImages& images,
                              intptr_t skin);
intptr_t CreateCheckButtonEx(const ButtonExPlace& place, const wchar_t* text, intptr_t skin);
intptr_t CreateRadioButtonEx(const ButtonExPlace& place, const wchar_t* text, intptr_t skin);

// FreeButtonEx (-1: every button): 1, or 0 when unknown.
int FreeButton(intptr_t button);
// DisableButtonEx: 1, or 0 when unknown.
int DisableButton(intptr_t button, bool disable);
// SetButtonExState: always 0.
int SetButtonState(intptr_t button, uint8_t state);
// SetButtonExText: 1, or 0 when unknown.
int SetButtonText(intptr_t button, const wchar_t* text);
// ChangeButtonEx: 1; 0 when unknown; -1 when an image could not be added.
int ChangeButtonImages(intptr_t button, const ButtonExImages& images);
// ButtonExToolTip: 1, or 0 when unknown.
int SetButtonToolTip(intptr_t button, const wchar_t* text);
// SetButtonExSkin: 1, or 0 when the button or the skin is unknown. component: the
// skin component to read ("" or null: the button's own).
int SetButtonSkin(intptr_t button, uintptr_t skin, const wchar_t* component, bool redraw);
// The same for a button the library names by its page: a number or window key
// would also match an earlier button numbered like it.
int SetButtonSkinOfPage(HWND page, uintptr_t skin, const wchar_t* component, bool redraw);

// The button's event procedure: the PanelExCallback of its panel.
LRESULT CALLBACK ButtonExEventProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
