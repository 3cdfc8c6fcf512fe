// ButtonExEventProc: the buttons' state machine, called by the page with its
// mouse, paint and skin-changed messages. Showing a state repaints the page at
// once, which calls back in here to paint, and a click handler may free the
// button: the record is found again by its page after every such call.
#include "core/library/library_messages.h"
#include "panels/button/button_look.h"
#include "panels/button/button_operations.h"
#include "panels/button/button_paint.h"
#include "panels/button/button_registry.h"
#include "panels/button/button_skin.h"

namespace kelvra {

namespace {

// The state a button shows for its check state: `plain` when unchecked (or not
// checkable), the selected and inbetween looks otherwise, in the same order.
uint8_t StateFor(const ButtonExRecord& button, uint8_t plain) {
  if (!button.checkable || button.check == kCheckUnselected) return plain;
  const uint8_t offset = button.check == kCheckSelected ? kButtonSelected : kButtonInbetween;
  return static_cast<uint8_t>(offset + plain);
}

LRESULT OnMouseMove(ButtonExRecord& button) {
  ButtonExFamilyState& family = ButtonExFamily();
  // A hot button whose window was destroyed without FreeButtonEx never sees its
  // leave: its flag must not keep every other button cold.
  if (family.hotPage && !IsWindow(family.hotPage)) family.hotPage = nullptr;
  if (family.hotPage || button.disabled) return 0;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, button.page, 0};
  TrackMouseEvent(&track);
  family.hotPage = button.page;
  ShowButtonState(button, StateFor(button, kButtonHot));
  return 0;
}

// WM_MOUSELEAVE and WM_CAPTURECHANGED. Only the button that set the mouse-inside
// flag waits for its leave; it clears the flag even while disabled, or no button
// would ever be hot again.
LRESULT OnLeave(ButtonExRecord& button) {
  ButtonExFamilyState& family = ButtonExFamily();
  if (family.hotPage != button.page) return 0;
  family.hotPage = nullptr;
  if (button.disabled) return 0;
  ShowButtonState(button, StateFor(button, kButtonNormal));
  return 0;
}

LRESULT OnPress(ButtonExRecord& button) {
  if (button.disabled) return 0;
  // No capture is taken: a release outside the button is never seen.
  ShowButtonState(button, StateFor(button, kButtonPressed));
  return 0;
}

// A radio button being selected deselects the selected one of its group.
void DeselectGroup(const ButtonExRecord& button) {
  ButtonExRecord* selected = nullptr;
  for (ButtonExRecord& other : ButtonExList())
    if (&other != &button && other.radio && other.radioGroup == button.radioGroup && other.check == kCheckSelected) {
      selected = &other;
      break;
    }
  if (!selected) return;
  selected->check = kCheckUnselected;
  ShowButtonState(*selected, kButtonNormal);
}

LRESULT OnRelease(HWND page) {
  ButtonExRecord* button = FindButtonExByPage(page);
  if (!button || button->disabled) return 0;
  const int32_t number = button->number;
  uint8_t state = kButtonHot;
  if (button->checkable) {
    switch (button->check) {
      case kCheckUnselected:
        if (button->radio) {
          DeselectGroup(*button);
          button = FindButtonExByPage(page);
          if (!button) return 0;
        }
        button->check = kCheckSelected;
        state = kButtonSelectedHot;
        break;
      case kCheckSelected:
        // A selected radio button stays selected.
        if (button->radio) {
          state = kButtonSelectedHot;
        } else {
          button->check = kCheckUnselected;
          state = kButtonHot;
        }
        break;
      default:
        button->check = kCheckSelected;
        state = kButtonSelectedHot;
        break;
    }
  }
  ShowButtonState(*button, state);
  // Every release that reaches the page is a click; the button's parent hears of
  // it with the full number, unless the repaint has taken the button away.
  if (!FindButtonExByPage(page)) return 0;
  const HWND panel = GetParent(page);
  const HWND parent = panel ? GetParent(panel) : nullptr;
  if (parent) PostMessageW(parent, WM_COMMAND, static_cast<WPARAM>(static_cast<uint32_t>(number)), 0);
  return 0;
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ButtonExRecord* button = FindButtonExByPage(window);
  if (!button) return 0;  // the panel's own calls, and pages of no button
  switch (message) {
    case WM_MOUSEMOVE: return OnMouseMove(*button);
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED: return OnLeave(*button);
    case WM_LBUTTONDOWN: return OnPress(*button);
    case WM_LBUTTONUP: return OnRelease(window);
    case WM_ERASEBKGND:
    case WM_PAINT: PaintButtonContent(*button, reinterpret_cast<HDC>(wParam), message == WM_PAINT); return 0;
    case SkinChangedMessage: OnButtonSkinChanged(window, lParam); return 0;
    default: return 0;
  }
}

}  // namespace

LRESULT CALLBACK ButtonExEventProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Dispatch(window, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvra
