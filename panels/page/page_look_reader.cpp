// Page looks from skin states: the layers and border a skin state gives a page.
#include "panels/page/page_look_reader.h"

#include "core/colour/colour_math.h"
#include "core/colour/gradient_list.h"
#include "core/platform/platform_bindings.h"
#include "skin/records/skin_data_objects.h"
#include "skin/records/skin_tree.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_value_readers.h"
#include "skin/values/system_colour_lookups.h"

namespace kelvra {

namespace {

// A solid colour as the opaque horizontal gradient a page paints. The gradient
// the property holds is reused while it shows this colour: a skin re-applied to
// many controls, many times, makes one gradient, and the one a page may still be
// drawing is never replaced under it. 0 when none can be made (no GDI+).
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

// The state's properties under their names with `prefix` before each.
class PrefixedReader {
 public:
  PrefixedReader(const SkinStateReader& state, std::wstring_view prefix) : state_(state), prefix_(prefix) {}

  SkinPropertyRecord* Property(std::wstring_view name) const {
    if (prefix_.empty()) return state_.Property(name);
    name_.assign(prefix_).append(name);
    return state_.Property(name_);
  }

 private:
  const SkinStateReader& state_;
  std::wstring_view prefix_;
  mutable std::wstring name_;  // reused: one allocation for every name read
};

// "background image", "background position" and "background", or the same of
// "overlay".
PageLayerLook ReadLayer(SkinRecord& skin, const PrefixedReader& reader, std::wstring_view image,
                        std::wstring_view position, std::wstring_view value) {
  PageLayerLook layer;
  layer.image = SkinDataOf<HANDLE>(reader.Property(image));
  const PageImagePosition placed = ReadPageImagePosition(SkinParamsOf(reader.Property(position)));
  layer.flags = placed.flags;
  layer.x = placed.x;
  layer.y = placed.y;
  layer.value = ReadBackground(skin, reader.Property(value), layer.value);
  return layer;
}

}  // namespace

SkinStateReader::SkinStateReader(const SkinRecord& skin, std::wstring_view component)
    : skin_(skin), component_(component), themeWord_(EffectiveSkinColourTheme()) {}

SkinPropertyRecord* SkinStateReader::Property(std::wstring_view name) const {
  return ReadSkinProperty(skin_, component_, state_, name, themeWord_);
}

std::wstring_view SkinValueOf(const SkinPropertyRecord* property) {
  return property ? std::wstring_view(property->value) : std::wstring_view();
}

SkinParamReader SkinParamsOf(const SkinPropertyRecord* property) {
  return [value = std::wstring(SkinValueOf(property))](std::wstring_view name) {
    return LookupSkinPropertyParam(value, name, SystemColourLookups());
  };
}

PageLook ReadPageLook(SkinRecord& skin, const SkinStateReader& state, std::wstring_view prefix) {
  const PrefixedReader reader(state, prefix);
  PageLook look;
  look.background = ReadLayer(skin, reader, L"background image", L"background position", L"background");
  const SkinPropertyRecord* border = reader.Property(L"border image");
  look.borderImage = SkinDataOf<HBITMAP>(border);
  look.borderMargins = ReadSkinEdges(SkinParamsOf(border));
  look.borderMask = reinterpret_cast<intptr_t>(SkinDataOf<HANDLE>(reader.Property(L"border mask")));
  look.overlay = ReadLayer(skin, reader, L"overlay image", L"overlay position", L"overlay");
  return look;
}

}  // namespace kelvra
