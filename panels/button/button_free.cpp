// FreeButtonEx, and the end of the library's buttons.
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"
#include "panels/panel/panel_operations.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// Takes the record out first, so nothing finds it while its windows go.
void Free(ButtonExRecord* button) {
  const int32_t panel = button->panelNumber;
  const HWND toolTip = button->toolTip;
  if (ButtonExFamily().hotPage == button->page) ButtonExFamily().hotPage = nullptr;
  DeleteButtonEx(button);  // its image lists go with it
  if (toolTip) DestroyWindow(toolTip);
  FreePanel(panel);
}

}  // namespace

int FreeButton(intptr_t key) {
  if (key != -1) {
    ButtonExRecord* button = FindButtonEx(key);
    if (!button) return 0;
    Free(button);
    return 1;
  }
  // Destroying windows may run code that frees or makes buttons: take the first
  // one again each time.
  while (ButtonExRecord* button = ButtonExList().First()) Free(button);
  return 1;
}

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllButtons() { FreeButton(-1); }

}  // namespace kelvra::steps
