// Exports of the ExplorerBar family: thin shims over
// panels/explorer_bar/explorer_bar_operations.h.
#include "kelvra.h"

#include "panels/explorer_bar/explorer_bar_operations.h"
#include "panels/explorer_bar/explorer_bar_registry.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }
int Result(intptr_t value) { return static_cast<int>(value); }

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL CreateExplorerBar(HWND parent, int number, int x, int y, int width, int height,
                                             HANDLE skin) {
  try {
    return Result(kelvra::CreateExplorerBarControl(kelvra::ExplorerBarPlace{parent, number, x, y, width, height},
                                                   reinterpret_cast<intptr_t>(skin)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL AddExplorerBarImageGroup(LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE pressed,
                                                    HANDLE selected, HANDLE selectedHot, HANDLE selectedPressed,
                                                    HANDLE disabled) {
  try {
    // The header's images by visual state.
    return kelvra::AddExplorerBarGroupTo(
        text, kelvra::ButtonExImages{normal, hot, pressed, disabled, selected, selectedHot, selectedPressed});
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL AddExplorerBarGroup(LPCWSTR text) {
  try {
    return kelvra::AddExplorerBarGroupTo(text, kelvra::ButtonExImages{});
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL ExplorerBarImageItem(int id, LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE pressed,
                                                HANDLE disabled) {
  try {
    return Result(kelvra::AddExplorerBarItemTo(id, text, kelvra::ButtonExImages{normal, hot, pressed, disabled}));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL ExplorerBarItem(int id, LPCWSTR text) {
  try {
    return Result(kelvra::AddExplorerBarItemTo(id, text, kelvra::ButtonExImages{}));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HWND KELVRA_CALL ExplorerBarID(int number) {
  try {
    const kelvra::ExplorerBarRecord* bar = kelvra::FindExplorerBarByNumber(number);
    return bar ? bar->Window() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HANDLE KELVRA_CALL GetExplorerBarSkin(int bar) {
  try {
    const kelvra::ExplorerBarRecord* record = kelvra::FindExplorerBar(Key(bar));
    return record ? reinterpret_cast<HANDLE>(record->skin) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL SetExplorerBarSkin(int bar, HANDLE skin, LPCWSTR component, BYTE noRedraw) {
  try {
    return kelvra::SetExplorerBarSkinOf(Key(bar), reinterpret_cast<uintptr_t>(skin), component, noRedraw == 0);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL FreeExplorerBar(int bar) {
  try {
    return kelvra::FreeExplorerBars(Key(bar), true);
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
