// Making buttons: the push button every kind starts from, then the image, toggle,
// check and radio buttons made from it.
#include <utility>

#include "core/image/image_measure.h"
#include "core/library/object_numbers.h"
#include "panels/button/button_images.h"
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"
#include "panels/button/button_skin.h"
#include "panels/panel/family_panel.h"
#include "panels/panel/panel_operations.h"

namespace kelvra {

namespace {

// A command id no button uses: automatic numbers fit the low word of WM_COMMAND.
// 0 when every one of them is taken.
int32_t FreshButtonNumber() {
  for (int tries = 0; tries < 0x10000; ++tries) {
    const auto number = static_cast<int32_t>(NextCommandID());
    if (!FindButtonExByNumber(number)) return number;
  }
  return 0;
}

// Gives state `state` its image; 0 leaves it without a list.
void SetCreationImage(ButtonExRecord& button, int state, HANDLE image) {
  button.images[state] = MakeButtonImageList(button.imageWidth, button.imageHeight, image);
}

// ButtonEx without its skin: the new record, or nullptr. (Not the number: 0 is
// a number a caller may choose.)
ButtonExRecord* MakeButton(const ButtonExPlace& place, const wchar_t* text, const ButtonExImages& images,
                   const wchar_t* component) {
  int32_t number = place.number;
  if (number == -1) {
    number = FreshButtonNumber();
    if (!number) return nullptr;
  } else if (FindButtonExByNumber(number)) {
    return nullptr;
  }

  int imageWidth = 0, imageHeight = 0;
  if (images[kButtonNormal]) GetImageDimensions(images[kButtonNormal], &imageWidth, &imageHeight);
  const int width = place.width ? place.width : imageWidth;
  const int height = place.height ? place.height : imageHeight;

  const FamilyPanel windows =
      MakeFamilyPanel(place.parent, place.x, place.y, width, height, ButtonExEventProc, 0);
  if (!windows.window) return nullptr;
  // The number may have been taken while the windows were made (by a procedure
  // that made buttons of its own).
  if (FindButtonExByNumber(number)) {
    FreePanel(windows.number);
    return nullptr;
  }

  auto record = std::make_unique<ButtonExRecord>();
  record->number = number;
  record->window = windows.window;
  record->panelNumber = windows.number;
  record->page = windows.page;
  record->width = width;
  record->height = height;
  record->imageWidth = imageWidth;
  record->imageHeight = imageHeight;
  record->text = text ? text : L"";
  record->component = component;
  ButtonExRecord* button = EnterButtonEx(std::move(record));
  if (!button) {
    FreePanel(windows.number);
    return nullptr;
  }
  for (int state : {kButtonNormal, kButtonHot, kButtonPressed, kButtonDisabled})
    SetCreationImage(*button, state, images[state]);
  return button;
}

// The export's answer once the skin is on: applying it runs window procedures,
// which may have freed the button meanwhile.
intptr_t Result(const ButtonExPlace& place, int32_t number) {
  const ButtonExRecord* button = FindButtonExByNumber(number);
  if (!button) return 0;
  return place.number == -1 ? number : reinterpret_cast<intptr_t>(button->window);
}

// ToggleButtonEx without its skin: the new record, or nullptr.
ButtonExRecord* MakeToggleButton(const ButtonExPlace& place, const wchar_t* text, const ButtonExImages& images,
                                 const wchar_t* component) {
  ButtonExRecord* button = MakeButton(place, text, images, component);
  if (!button) return nullptr;
  for (int state : {kButtonSelected, kButtonSelectedHot, kButtonSelectedPressed})
    SetCreationImage(*button, state, images[state]);
  button->checkable = true;
  return button;
}

}  // namespace

intptr_t CreateButtonEx(const ButtonExPlace& place, const wchar_t* text, const ButtonExImages& images,
                        intptr_t skin) {
  const ButtonExRecord* button = MakeButton(place, text, images, kComponentButton);
  if (!button) return 0;
  const int32_t number = button->number;
  ApplyCreationSkin(button->page, skin);
  return Result(place, number);
}

intptr_t CreateImageButtonEx(const ButtonExPlace& place, const ButtonExImages& images) {
  const ButtonExRecord* button = MakeButton(place, L"", images, kComponentImageButton);
  if (!button) return 0;
  const int32_t number = button->number;
  ApplyBuiltInSkin(button->page, kImageButtonSkin, kComponentImageButton);
  return Result(place, number);
}

intptr_t CreateToggleButtonEx(const ButtonExPlace& place, const wchar_t* text, const ButtonExImages& images,
                              intptr_t skin) {
  const ButtonExRecord* button = MakeToggleButton(place, text, images, kComponentToggleButton);
  if (!button) return 0;
  const int32_t number = button->number;
  if (skin == 0 || skin == 1)
    ApplyBuiltInSkin(button->page, skin ? kStickyButtonSkin : kToggleButtonSkin, kComponentToggleButton);
  else
    SetButtonSkinOfPage(button->page, static_cast<uintptr_t>(skin), kComponentToggleButton, true);
  return Result(place, number);
}

intptr_t CreateCheckButtonEx(const ButtonExPlace& place, const wchar_t* text, intptr_t skin) {
  if (!IsWindow(place.parent)) return 0;
  ButtonExRecord* button = MakeToggleButton(place, text, ButtonExImages{}, kComponentCheckButton);
  if (!button) return 0;
  const int32_t number = button->number;
  button->triState = true;
  ApplyChosenSkin(button->page, skin, kCheckButtonSkin, kComponentCheckButton);
  return Result(place, number);
}

intptr_t CreateRadioButtonEx(const ButtonExPlace& place, const wchar_t* text, intptr_t skin) {
  ButtonExFamilyState& family = ButtonExFamily();
  if (!place.parent) {
    ++family.radioGroupCounter;  // the next radio buttons form a new group
    return 0;
  }
  ButtonExRecord* button = MakeToggleButton(place, text, ButtonExImages{}, kComponentRadioButton);
  if (!button) return 0;
  const int32_t number = button->number;
  button->radio = true;
  button->radioGroup = family.radioGroupCounter;
  ApplyChosenSkin(button->page, skin, kRadioButtonSkin, kComponentRadioButton);
  return Result(place, number);
}

}  // namespace kelvra
