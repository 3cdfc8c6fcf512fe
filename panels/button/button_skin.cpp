// SetButtonExSkin: a skin component read into the ten looks of a button, so that
// state changes later only copy stored values to the page.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/colour/colour_math.h"
#include "core/colour/gradient_list.h"
#include "core/image/image_measure.h"
#include "core/library/library_globals.h"
#include "core/platform/platform_bindings.h"
#include "panels/button/button_images.h"
#include "panels/button/button_look.h"
#include "panels/button/button_operations.h"
#include "panels/button/button_registry.h"
#include "panels/button/button_skin.h"
#include "panels/button/button_skin_values.h"
#include "panels/page/page_settings.h"
#include "panels/panel/panel_record.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/records/skin_data_objects.h"
#include "skin/records/skin_list.h"
#include "skin/values/skin_number_reader.h"
#include "skin/records/skin_tree.h"
#include "skin/values/skin_value_readers.h"
#include "skin/values/system_colour_lookups.h"

namespace kelvra {

namespace {

constexpr std::array<std::wstring_view, kButtonExStateCount> kStateNames{
    L"normal",   L"hot",       L"pressed",       L"disabled",         L"selected",
    L"selected hot", L"selected pressed", L"inbetween", L"inbetween hot", L"inbetween pressed"};

// The properties of one state of a component, found by the skin engine's themed
// look-up ("buttonex:blue" first, then "buttonex"), as every skin reader finds them.
class ComponentReader {
 public:
  ComponentReader(const SkinRecord& skin, std::wstring_view component)
      : skin_(skin), component_(component), themeWord_(EffectiveSkinColourTheme()) {}

  void SelectState(std::wstring_view state) { state_ = state; }

  SkinPropertyRecord* Property(std::wstring_view name) const {
    return ReadSkinProperty(skin_, component_, state_, name, themeWord_);
  }

 private:
  const SkinRecord& skin_;
  std::wstring_view component_;
  std::wstring themeWord_;  // a copy: applying a look must not see the word change under it
  std::wstring_view state_;
};

std::wstring_view ValueOf(const SkinPropertyRecord* property) {
  return property ? std::wstring_view(property->value) : std::wstring_view();
}

template <class Handle>
Handle DataOf(const SkinPropertyRecord* property) {
  return property ? reinterpret_cast<Handle>(property->data) : nullptr;
}

SkinParamReader ParamsOf(const SkinPropertyRecord* property) {
  return [value = std::wstring(ValueOf(property))](std::wstring_view name) {
    return LookupSkinPropertyParam(value, name, SystemColourLookups());
  };
}

// A solid colour as the opaque horizontal gradient a page paints. The gradient
// the property holds is reused while it shows this colour: a skin re-applied to
// many buttons, many times, makes one gradient, and the one buttons may still be
// drawing is never replaced under them. 0 when none can be made (no GDI+).
int32_t ColourGradient(SkinRecord& skin, SkinPropertyRecord& property, int32_t colour) {
  auto bits = static_cast<uint32_t>(colour);
  // A Win32 colour (red in the low byte, top byte 0) becomes opaque ARGB.
  if (!(bits >> 24))
    bits = static_cast<uint32_t>(MakeArgb(255, static_cast<int32_t>(bits & 0xFF),
                                          static_cast<int32_t>((bits >> 8) & 0xFF),
                                          static_cast<int32_t>((bits >> 16) & 0xFF)));
  if (const GradientRecord* held = FindGradient(reinterpret_cast<const void*>(property.data))) {
    if (held->type == kGradientHorizontal && held->startColour == bits && held->endColour == bits &&
        held->stops.empty())
      return static_cast<int32_t>(property.data);
  }
  if (!StartGdiPlus()) return 0;
  GradientRecord* gradient = AddGradient(kGradientHorizontal, bits, bits);
  if (!gradient) return 0;
  const auto handle = reinterpret_cast<uintptr_t>(gradient);
  // The skin holds every gradient it was given until it is freed itself.
  AttachSkinPropertyData(skin, property, kSkinDataOther, handle);
  property.size = 4;
  return static_cast<int32_t>(handle);
}

// "background" and "overlay": a gradient param gives the gradient built with the
// property, a colour a gradient of that colour, anything else a number (a
// ThemeBackgroundCode, -1 for none). A missing property reads 0.
int32_t ReadBackground(SkinRecord& skin, SkinPropertyRecord* property, int32_t unchanged) {
  if (!property) return 0;
  const std::wstring_view value = property->value;
  if (!LookupSkinPropertyParam(value, L"gradient", SystemColourLookups()).empty())
    return property->data ? static_cast<int32_t>(property->data) : unchanged;
  const int32_t colour = SkinPropertyColour(value, SystemColourLookups());
  if (colour != kNoColour) return ColourGradient(skin, *property, colour);
  return ReadSkinInteger(value);
}

HCURSOR ReadCursor(int32_t panelNumber, const SkinPropertyRecord* property) {
  if (!property) return nullptr;
  const int32_t id = CursorFromSkinValue(LookupSkinPropertyParam(property->value, L"", SystemColourLookups()));
  if (!id) return nullptr;
  // Set on the page as it is read: its handle is what the state keeps.
  return reinterpret_cast<HCURSOR>(SetPageCursor(panelNumber, 0, id));
}

// "background image", "background position" and "background", or the same of
// "overlay".
ButtonExPageLayer ReadLayer(SkinRecord& skin, const ComponentReader& reader, const wchar_t* image,
                            const wchar_t* position, const wchar_t* value) {
  ButtonExPageLayer layer;
  layer.image = DataOf<HANDLE>(reader.Property(image));
  const PageImagePosition placed = ReadPageImagePosition(ParamsOf(reader.Property(position)));
  layer.flags = placed.flags;
  layer.x = placed.x;
  layer.y = placed.y;
  layer.value = ReadBackground(skin, reader.Property(value), layer.value);
  return layer;
}

void ReadState(SkinRecord& skin, const ComponentReader& reader, ButtonExRecord& button, int state) {
  ButtonExLook look;
  look.background = ReadLayer(skin, reader, L"background image", L"background position", L"background");

  const SkinPropertyRecord* border = reader.Property(L"border image");
  look.borderImage = DataOf<HBITMAP>(border);
  const ButtonExPadding margins = ReadEdges(ParamsOf(border));
  look.borderMargins = ButtonExMargins{margins.top, margins.left, margins.bottom, margins.right};
  look.borderMask = reinterpret_cast<intptr_t>(DataOf<HANDLE>(reader.Property(L"border mask")));

  look.overlay = ReadLayer(skin, reader, L"overlay image", L"overlay position", L"overlay");

  const SkinPropertyRecord* image = reader.Property(L"image");
  if (const HANDLE picture = DataOf<HANDLE>(image)) {
    int width = 0, height = 0;
    GetImageDimensions(picture, &width, &height);
    button.imageWidth = width;
    button.imageHeight = height;
    button.images[state] = MakeButtonImageList(width, height, picture);
  }
  if (ParamsOf(image)(L"noclip") == L"true") look.background.flags |= kImageNoClip;
  look.image = ReadContentPosition(ParamsOf(reader.Property(L"image position")));
  look.imagePadding = ReadEdges(ParamsOf(reader.Property(L"image padding")));

  const SkinPropertyRecord* text = reader.Property(L"text");
  if (text && SkinSubParamCount(text->value, L"font") >= 2) {
    look.font = DataOf<HFONT>(text);
    look.textColour = ReadSkinInteger(ParamsOf(text)(L"colour"));
  }
  look.text = ReadContentPosition(ParamsOf(reader.Property(L"text position")));
  look.textPadding = ReadEdges(ParamsOf(reader.Property(L"text padding")));

  look.cursor = ReadCursor(button.panelNumber, reader.Property(L"cursor"));
  button.looks[state] = look;
}

// A state without a background (or overlay) image would leave the page showing
// the image of the state before it: such states get the library's empty icon
// when another state of the button has one.
void FillImageSlots(ButtonExRecord& button) {
  const HICON empty = Globals().emptyIcon;
  for (ButtonExPageLayer ButtonExLook::*layer : {&ButtonExLook::background, &ButtonExLook::overlay}) {
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
  ComponentReader reader(*skin, name);
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
