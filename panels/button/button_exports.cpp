// Exports of the ButtonEx family: thin shims over panels/button/button_operations.h.
#include "kelvra.h"

#include "core/library/result_string.h"
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"

namespace {

using kelvra::ButtonExImages;
using kelvra::ButtonExPlace;

intptr_t Key(int value) { return static_cast<intptr_t>(value); }
int Result(intptr_t value) { return static_cast<int>(value); }

ButtonExPlace Place(HWND parent, int number, int x, int y, int width, int height) {
  return ButtonExPlace{parent, number, x, y, width, height};
}

// The caller's images in visual-state order: normal, hot, pressed, disabled,
// selected, selected hot, selected pressed.
ButtonExImages Images(HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE disabled, HANDLE selected = nullptr,
                      HANDLE selectedHot = nullptr, HANDLE selectedPressed = nullptr) {
  return ButtonExImages{normal, hot, pressed, disabled, selected, selectedHot, selectedPressed};
}

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL ButtonEx(HWND parent, int number, int x, int y, int width, int height, LPCWSTR text,
                                    HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE disabled, HANDLE skin) {
  try {
    return Result(kelvra::CreateButtonEx(Place(parent, number, x, y, width, height), text,
                                         Images(normal, hot, pressed, disabled), reinterpret_cast<intptr_t>(skin)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL ImageButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                         HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE disabled) {
  try {
    return Result(kelvra::CreateImageButtonEx(Place(parent, number, x, y, width, height),
                                              Images(normal, hot, pressed, disabled)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL ToggleButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                          LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE selected,
                                          HANDLE selectedHot, HANDLE selectedPressed, HANDLE disabled, HANDLE skin) {
  try {
    return Result(kelvra::CreateToggleButtonEx(Place(parent, number, x, y, width, height), text,
                                               Images(normal, hot, pressed, disabled, selected, selectedHot,
                                                      selectedPressed),
                                               reinterpret_cast<intptr_t>(skin)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL CheckButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                         LPCWSTR text, HANDLE skin) {
  try {
    return Result(kelvra::CreateCheckButtonEx(Place(parent, number, x, y, width, height), text,
                                              reinterpret_cast<intptr_t>(skin)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL RadioButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                         LPCWSTR text, HANDLE skin) {
  try {
    return Result(kelvra::CreateRadioButtonEx(Place(parent, number, x, y, width, height), text,
                                              reinterpret_cast<intptr_t>(skin)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HWND KELVRA_CALL ButtonExID(int number) {
  try {
    const kelvra::ButtonExRecord* button = kelvra::FindButtonExByNumber(number);
    return button ? button->Window() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL ButtonExToolTip(int button, LPCWSTR text) {
  try {
    return kelvra::SetButtonToolTip(Key(button), text);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL ChangeButtonEx(int button, HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE selected,
                                          HANDLE selectedHot, HANDLE selectedPressed, HANDLE disabled) {
  try {
    return kelvra::ChangeButtonImages(Key(button),
                                      Images(normal, hot, pressed, disabled, selected, selectedHot, selectedPressed));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL DisableButtonEx(int button, BYTE state) {
  try {
    return kelvra::DisableButton(Key(button), state != 0);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL FreeButtonEx(int button) {
  try {
    return kelvra::FreeButton(Key(button));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HANDLE KELVRA_CALL GetButtonExSkin(int button) {
  try {
    const kelvra::ButtonExRecord* record = kelvra::FindButtonEx(Key(button));
    return record ? reinterpret_cast<HANDLE>(record->skin) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL GetButtonExState(int button) {
  try {
    const kelvra::ButtonExRecord* record = kelvra::FindButtonEx(Key(button));
    return record && record->checkable ? record->check : 0;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetButtonExState(int button, BYTE state) {
  try {
    return kelvra::SetButtonState(Key(button), state);
  } catch (...) {
    return 0;
  }
}

KELVRA_API LPCWSTR KELVRA_CALL GetButtonExText(int button) {
  try {
    const kelvra::ButtonExRecord* record = kelvra::FindButtonEx(Key(button));
    return record ? kelvra::ReturnText(record->text) : kelvra::ReturnEmptyText();
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL SetButtonExText(int button, LPCWSTR text) {
  try {
    return kelvra::SetButtonText(Key(button), text);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetButtonExSkin(int button, HANDLE skin, LPCWSTR component, BYTE noRedraw) {
  try {
    return kelvra::SetButtonSkin(Key(button), reinterpret_cast<uintptr_t>(skin), component, noRedraw == 0);
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
