// SetButtonExSkin: a skin component read into the ten looks of a button, so that
// state changes later only copy stored values to the page.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/image/image_measure.h"
#include "core/library/library_globals.h"
#include "panels/button/button_images.h"
#include "panels/button/button_look.h"
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"
#include "panels/button/button_skin.h"
#include "panels/button/button_skin_values.h"
#include "panels/page/page_look_reader.h"
#include "panels/page/page_settings.h"
#include "panels/panel/panel_record.h"
#include "skin/records/skin_list.h"
#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_value_readers.h"
#include "skin/values/system_colour_lookups.h"

namespace kelvra {

namespace {

constexpr std::array<std::wstring_view, kButtonExStateCount> kStateNames{
    L"normal",   L"hot",       L"pressed",       L"disabled",         L"selected",
    L"selected hot", L"selected pressed", L"inbetween", L"inbetween hot", L"inbetween pressed"};

HCURSOR ReadCursor(int32_t panelNumber, const SkinPropertyRecord* property) {
  if (!property) return nullptr;
  const int32_t id = CursorFromSkinValue(LookupSkinPropertyParam(property->value, L"", SystemColourLookups()));
  if (!id) return nullptr;
  // Set on the page as it is read: its handle is what the state keeps.
  return reinterpret_cast<HCURSOR>(SetPageCursor(panelNumber, 0, id));
}

void ReadState(SkinRecord& skin, const SkinStateReader& reader, ButtonExRecord& button, int state) {
  ButtonExLook look;
  static_cast<PageLook&>(look) = ReadPageLook(skin, reader);

  const SkinPropertyRecord* image = reader.Property(L"image");
  if (const HANDLE picture = SkinDataOf<HANDLE>(image)) {
    int width = 0, height = 0;
    GetImageDimensions(picture, &width, &height);
    button.imageWidth = width;
    button.imageHeight = height;
    button.images[state] = MakeButtonImageList(width, height, picture);
  }
  if (SkinParamsOf(image)(L"noclip") == L"true") look.background.flags |= kImageNoClip;
  look.image = ReadContentPosition(SkinParamsOf(reader.Property(L"image position")));
  look.imagePadding = ReadSkinEdges(SkinParamsOf(reader.Property(L"image padding")));

  const SkinPropertyRecord* text = reader.Property(L"text");
  if (text && SkinSubParamCount(text->value, L"font") >= 2) {
    look.font = SkinDataOf<HFONT>(text);
    look.textColour = ReadSkinInteger(SkinParamsOf(text)(L"colour"));
  }
  look.text = ReadContentPosition(SkinParamsOf(reader.Property(L"text position")));
  look.textPadding = ReadSkinEdges(SkinParamsOf(reader.Property(L"text padding")));

  look.cursor = ReadCursor(button.panelNumber, reader.Property(L"cursor"));
  button.looks[state] = look;
}

// A state without a background (or overlay) image would leave the page showing
// the image of the state before it: such states get the library's empty icon
// when another state of the button has one.
void FillImageSlots(ButtonExRecord& button) {
  const HICON empty = Globals().emptyIcon;
  for (PageLayerLook PageLook::*layer : {&ButtonExLook::background, &ButtonExLook::overlay}) {
    const bool any = std::any_of(button.looks.begin(), button.looks.end(),
                                 [layer](const ButtonExLook& look) { return (look.*layer).image != nullptr; });
    if (!empty || !any) continue;
    for (ButtonExLook& look : button.looks)
      if (!(look.*layer).image) (look.*layer).image = empty;
  }
}

int ApplyButtonSkin(ButtonExRecord* button, uintptr_t skinHandle, const wchar_t* component, bool redraw) {
  SkinRecord* skin = FindSkin(skinHandle);
  if (!button || !skin) return 0;

  std::wstring name = component && *component ? std::wstring(component) : button->component;
  if (name.empty()) name = kComponentButton;
  SkinStateReader reader(*skin, name);
  for (int state = 0; state < kButtonExStateCount; ++state) {
    reader.SelectState(kStateNames[state]);
    ReadState(*skin, reader, *button, state);
  }
  FillImageSlots(*button);
  button->measured = false;  // the font may have changed
  button->skin = skinHandle;
  button->component = std::move(name);
  // The normal look goes to the page at once (its cursor stays the one read
  // last); the shown state is left as it is.
  SetButtonPageLook(button->panelNumber, button->looks[kButtonNormal], false);
  if (redraw) RefreshButton(button->page);
  return 1;
}

}  // namespace

int SetButtonSkin(intptr_t key, uintptr_t skin, const wchar_t* component, bool redraw) {
  return ApplyButtonSkin(FindButtonEx(key), skin, component, redraw);
}

int SetButtonSkinOfPage(HWND page, uintptr_t skin, const wchar_t* component, bool redraw) {
  return ApplyButtonSkin(FindButtonExByPage(page), skin, component, redraw);
}

}  // namespace kelvra
