// SkinGradientParam and SkinFontParam: objects built from a value when it is set.
#include "skin/records/skin_prebuild.h"

#include <string>
#include <vector>

#include "kelvra.h"
#include "core/colour/colour_math.h"
#include "core/text/font_loading.h"
#include "skin/records/skin_data_objects.h"
#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_text.h"
#include "skin/values/skin_value_grammar.h"
#include "skin/values/skin_value_readers.h"
#include "skin/values/system_colour_lookups.h"

namespace kelvra {

namespace {

// SkinFontStyleWords: the same bits as LoadFontEx's style flags.
constexpr SkinKeyword SkinFontStyleWords[] = {
    {L"underlined", 4}, {L"underline", 4}, {L"italic", 0x200}, {L"bold", 0x100},
    {L"strikethrough", 8}, {L"strike", 8}, {L"strikeout", 8}, {L"striked", 8},
};

// The sub-params of one param, cut in one scan and read as the sub-param reader
// gives them (a colour as its decimal): a value of thousands of items builds in
// one pass rather than one scan per item.
class SubParams {
 public:
  SubParams(std::wstring_view value, std::wstring_view param) {
    if (const auto found = FindSkinValueParam(value, param)) {
      count_ = CountSkinSubParams(*found);
      items_ = SkinSubParamItems(*found);
    }
  }
  // The count readers report (CountSkinPropertySubParams), not the items cut.
  int32_t Count() const { return count_; }
  // Item `index` from 1; "" past the last.
  std::wstring Text(int32_t index) const {
    if (index < 1 || static_cast<std::size_t>(index) > items_.size()) return {};
    return SkinSubParamText(items_[static_cast<std::size_t>(index) - 1], SystemColourLookups());
  }

 private:
  int32_t count_ = 0;
  std::vector<std::wstring_view> items_;
};

int32_t GradientTypeOfWord(std::wstring_view word) {
  if (word == L"vertical") return 1;
  if (word == L"rectangle") return 2;
  if (word == L"ellipse") return 3;
  return -1;
}

// SkinGradientParam: 0 when the value has no gradient of two or more sub-params
// or none could be made (GDI+ missing).
HANDLE SkinGradientParam(std::wstring_view value) {
  const SubParams gradientParams(value, L"gradient");
  const int32_t count = gradientParams.Count();
  if (count < 2) return nullptr;
  int32_t type = GradientTypeOfWord(gradientParams.Text(1));
  int32_t first = 2;
  if (type < 0) {
    type = 0;
    first = 1;
  }
  auto colourAt = [&](int32_t index) {
    return static_cast<int>(SkinGradientColour(ReadSkinInteger(gradientParams.Text(index))));
  };
  HANDLE gradient = ::CreateGradient(type, colourAt(first), colourAt(first + 1));
  if (!gradient || count < 4) return gradient;
  for (int32_t n = first + 2;; n += 2) {
    const std::wstring position = gradientParams.Text(n);
    const std::wstring colour = gradientParams.Text(n + 1);
    if (position.empty() && colour.empty()) break;
    ::SetGradientColour(gradient, ReadSkinFloat(position),
                        static_cast<int>(SkinGradientColour(ReadSkinInteger(colour))));
  }
  return gradient;
}

// SkinFontParam: 0 when the value has no font of two or more sub-params or the
// font could not be made.
HFONT SkinFontParam(std::wstring_view value) {
  const SubParams fontParams(value, L"font");
  const int32_t count = fontParams.Count();
  if (count < 2) return nullptr;
  const std::wstring face = fontParams.Text(1);
  const int32_t size = ReadSkinInteger(fontParams.Text(2));
  uint32_t style = 0;
  for (int32_t n = 3; n <= count; ++n) style |= SkinFontStyleWord(fontParams.Text(n));
  return LoadFontEx(face.c_str(), size, style);
}

}  // namespace

uint32_t SkinFontStyleWord(std::wstring_view word) {
  return static_cast<uint32_t>(LookUpSkinKeyword(SkinFontStyleWords, word, 0));
}

uint32_t SkinGradientColour(int32_t colour) {
  const auto bits = static_cast<uint32_t>(colour);
  if (bits >> 24) return bits;
  const auto channel = [bits](int shift) { return static_cast<int32_t>((bits >> shift) & 0xFF); };
  return static_cast<uint32_t>(MakeArgb(255, channel(0), channel(8), channel(16)));
}

void PrebuildSkinPropertyData(SkinRecord& skin, SkinPropertyRecord& property, std::wstring_view value) {
  const auto gradient = reinterpret_cast<uintptr_t>(SkinGradientParam(value));
  if (gradient) RegisterSkinDataObject(gradient, SkinDataRelease::Gradient);
  const auto font = reinterpret_cast<uintptr_t>(SkinFontParam(value));
  if (font) {
    RegisterSkinDataObject(font, SkinDataRelease::Font);
    // The font replaces the gradient as the data before anyone could read the
    // gradient: nothing will ever paint with it.
    if (gradient) DiscardSkinDataObject(gradient);
    AttachSkinPropertyData(skin, property, kSkinDataOther, font);
    property.size = 0;
    return;
  }
  if (gradient) {
    AttachSkinPropertyData(skin, property, kSkinDataOther, gradient);
    property.size = 4;
  }
}

}  // namespace kelvra
