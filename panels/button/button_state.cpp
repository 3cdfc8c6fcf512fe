// Changing a button from outside: its check state, enabled state, text and
// images.
#include "core/image/image_measure.h"
#include "panels/button/button_images.h"
#include "panels/button/button_look.h"
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"

namespace kelvra {

int SetButtonState(intptr_t key, uint8_t state) {
  ButtonExRecord* button = FindButtonEx(key);
  if (!button || !button->checkable || state > kCheckInbetween) return 0;
  if (state == kCheckInbetween && !button->triState) return 0;
  const HWND page = button->page;
  // Selecting a radio button deselects its group; setting one to 0 leaves the
  // group alone.
  if (button->radio && button->check == kCheckUnselected && state == kCheckSelected) {
    for (ButtonExRecord& other : ButtonExList()) {
      if (&other == button || !other.radio || other.radioGroup != button->radioGroup ||
          other.check != kCheckSelected)
        continue;
      other.check = kCheckUnselected;
      ApplyButtonLook(other, kButtonNormal);
      const HWND otherPage = other.page;
      RedrawButtonInOutermostPage(otherPage);
      break;
    }
    button = FindButtonExByPage(page);
    if (!button) return 0;
  }
  static constexpr uint8_t kShown[] = {kButtonNormal, kButtonSelected, kButtonInbetween};
  button->check = state;
  ApplyButtonLook(*button, kShown[state]);
  RedrawButtonInOutermostPage(page);
  return 0;
}

int DisableButton(intptr_t key, bool disable) {
  ButtonExRecord* button = FindButtonEx(key);
  if (!button) return 0;
  button->disabled = disable;
  // A hot button that is disabled sees no leave of its own any more.
  if (disable && ButtonExFamily().hotPage == button->page) ButtonExFamily().hotPage = nullptr;
  const HWND panel = button->Window();
  ApplyButtonLook(*button, disable ? kButtonDisabled : kButtonNormal);
  RedrawButtonInRoot(panel);
  return 1;
}

int SetButtonText(intptr_t key, const wchar_t* text) {
  ButtonExRecord* button = FindButtonEx(key);
  if (!button) return 0;
  button->text = text ? text : L"";
  button->measured = false;
  RedrawButtonInRoot(button->Window());
  return 1;
}

int ChangeButtonImages(intptr_t key, const ButtonExImages& images) {
  ButtonExRecord* button = FindButtonEx(key);
  if (!button) return 0;
  static constexpr uint8_t kOrder[] = {kButtonNormal,   kButtonHot,         kButtonPressed,         kButtonSelected,
                                       kButtonSelectedHot, kButtonSelectedPressed, kButtonDisabled};
  for (uint8_t state : kOrder) {
    const HANDLE image = images[state];
    if (!image) continue;
    if (state >= kButtonSelected && state <= kButtonSelectedPressed && !button->checkable) continue;
    // A button made without images takes the size of the first one it is given.
    if (!button->imageWidth || !button->imageHeight) {
      int width = 0, height = 0;
      GetImageDimensions(image, &width, &height);
      button->imageWidth = width;
      button->imageHeight = height;
    }
    UniqueImageList& list = button->images[state];
    if (list) {
      ImageList_Remove(list.get(), -1);
      if (!AddButtonImage(list.get(), image)) return -1;
    } else {
      list = MakeButtonImageList(button->imageWidth, button->imageHeight, image);
      if (!list) return -1;
    }
  }
  RedrawButtonInRoot(button->Window());
  return 1;
}

}  // namespace kelvra
