// The ColourString parser. It works on one lower-cased copy of the text and edits
// that copy in place, so a look-up costs one allocation at most.
#include "skin/values/colour_string.h"

#include <algorithm>
#include <cmath>

#include "core/colour/colour_math.h"
#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_text.h"

namespace kelvra {

namespace {

constexpr SkinKeyword kSystemColourNames[] = {
    {L"color_3ddkshadow", 21}, {L"color_3dface", 15}, {L"color_3dhighlight", 20}, {L"color_3dlight", 22},
    {L"color_3dshadow", 16}, {L"color_activeborder", 10}, {L"color_activecaption", 2},
    {L"color_appworkspace", 12}, {L"color_background", 1}, {L"color_btnface", 15},
    {L"color_btnhighlight", 20}, {L"color_btnhilight", 20}, {L"color_btnshadow", 16},
    {L"color_btntext", 18}, {L"color_captiontext", 9}, {L"color_desktop", 1},
    {L"color_gradientactivecaption", 27}, {L"color_gradientinactivecaption", 28}, {L"color_graytext", 17},
    {L"color_highlight", 13}, {L"color_highlighttext", 14}, {L"color_hotlight", 26},
    {L"color_inactiveborder", 11}, {L"color_inactivecaption", 3}, {L"color_inactivecaptiontext", 19},
    {L"color_infobk", 24}, {L"color_infotext", 23}, {L"color_menu", 4}, {L"color_menuhilight", 29},
    {L"color_menubar", 30}, {L"color_menutext", 7}, {L"color_scrollbar", 0}, {L"color_window", 5},
    {L"color_windowframe", 6}, {L"color_windowtext", 8},
};

constexpr SkinKeyword kUIStyleNames[] = {
    {L"uistyle_whidbey", 5}, {L"uistyle_office2003", 0x1000000}, {L"uistyle_office2007", 0x2000000}};

constexpr SkinKeyword kUIColourModeNames[] = {
    {L"uicolourmode_default", 0}, {L"uicolourmode_default_blue", 1}, {L"uicolourmode_default_olive", 2},
    {L"uicolourmode_default_silver", 3}, {L"uicolourmode_default_grey", 4}, {L"uicolourmode_custom", 5},
    {L"uicolourmode_custom_blue", 6}, {L"uicolourmode_custom_olive", 7}, {L"uicolourmode_custom_silver", 8},
    {L"uicolourmode_custom_grey", 9}};

// The notations with brackets apply only when the first ")" comes after the
// first "(" (or there is a ")" and no "(" at all).
bool BracketOrderHolds(std::wstring_view text) {
  const auto close = text.find(L')');
  if (close == std::wstring_view::npos) return false;
  const auto open = text.find(L'(');
  return open == std::wstring_view::npos || close > open;
}

template <class Pred>
void EraseChars(std::wstring& text, Pred pred) {
  text.erase(std::remove_if(text.begin(), text.end(), pred), text.end());
}

// Blanks, then the key word, then the brackets, ";" (and for getuicolour "#"),
// removed in that order: "rgba ( 1, 2, 3 );" becomes "1,2,3".
void StripNotation(std::wstring& text, std::wstring_view keyword, bool hashToo) {
  EraseChars(text, [hashToo](wchar_t c) { return IsBlank(c) || (hashToo && c == L'#'); });
  ReplaceAllText(text, keyword, {});
  EraseChars(text, [](wchar_t c) { return c == L'(' || c == L')' || c == L';'; });
}

std::wstring_view CommaField(std::wstring_view text, int index) { return NthField(text, L',', index); }

int32_t ParseRgba(std::wstring& text) {
  StripNotation(text, L"rgba", false);
  const std::wstring_view fields(text);
  const std::wstring_view alphaField = CommaField(fields, 4);
  int32_t alpha = alphaField.find(L'.') != std::wstring_view::npos
                      ? static_cast<int32_t>(std::lround(ReadSkinDouble(alphaField) * 255.0))
                      : ReadSkinInteger(alphaField);
  if (alpha == 0) alpha = 1;
  const int32_t colour = MakeArgb(alpha, ReadSkinInteger(CommaField(fields, 1)), ReadSkinInteger(CommaField(fields, 2)),
                                  ReadSkinInteger(CommaField(fields, 3)));
  // Opaque white packs to 0xFFFFFFFF, which every reader takes for "no colour":
  // give it in RGB form instead.
  return colour == kNoColour ? 0x00FFFFFF : colour;
}

int32_t ParseRgb(std::wstring& text) {
  StripNotation(text, L"rgb", false);
  const std::wstring_view fields(text);
  return MakeRgbValue(ReadSkinInteger(CommaField(fields, 1)), ReadSkinInteger(CommaField(fields, 2)),
                      ReadSkinInteger(CommaField(fields, 3)));
}

int32_t ParseUIColour(std::wstring& text, const ColourLookups& lookups) {
  StripNotation(text, L"getuicolour", true);
  const std::wstring_view fields(text);
  const int32_t style = LookUpSkinKeyword(kUIStyleNames, CommaField(fields, 1), 0);
  const int32_t index = std::max<int32_t>(lookups.UIColourIndex(CommaField(fields, 2)), 0);
  const int32_t mode = LookUpSkinKeyword(kUIColourModeNames, CommaField(fields, 3), 0);
  return lookups.UIColour(style, index, mode);
}

// Exactly six hexadecimal digits after the "#"; anything else is no colour. The
// text is lower case already.
int32_t ParseHash(std::wstring_view text, std::size_t hash) {
  uint32_t value = 0;
  int digits = 0;
  for (std::size_t i = hash + 1; i < text.size() && digits < 7; ++i) {
    const int digit = SkinDigitValue(text[i], 16);
    if (digit < 0) break;
    value = value << 4 | static_cast<uint32_t>(digit);
    ++digits;
  }
  if (digits != 6) return kNoColour;
  return static_cast<int32_t>(((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16));
}

}  // namespace

int32_t SystemColourIndexOfName(std::wstring_view name) {
  if (name.size() < 6 || !EqualsCaseBlind(name.substr(0, 6), L"color_")) return -1;
  wchar_t lower[40];
  if (name.size() > std::size(lower)) return -1;
  for (std::size_t i = 0; i < name.size(); ++i) lower[i] = LowerCaseChar(name[i]);
  return LookUpSkinKeyword(kSystemColourNames, std::wstring_view(lower, name.size()), -1);
}

int32_t ColourFromString(std::wstring_view source, const ColourLookups& lookups) {
  std::wstring text = LowerCaseText(source);
  const std::wstring_view view(text);
  const bool brackets = BracketOrderHolds(view);
  if (brackets && view.find(L"rgba") != std::wstring_view::npos) return ParseRgba(text);
  if (brackets && view.find(L"rgb") != std::wstring_view::npos) return ParseRgb(text);
  if (brackets && view.find(L"getuicolour") != std::wstring_view::npos) return ParseUIColour(text, lookups);
  if (const auto hash = view.find(L'#'); hash != std::wstring_view::npos) return ParseHash(view, hash);

  // Names: every ";" removed, then trimmed ("white;" is "white", and so is
  // "white ;" as a hand-written file has it).
  EraseChars(text, [](wchar_t c) { return c == L';'; });
  const std::wstring_view trimmed = TrimBlanks(text);
  const auto first = static_cast<std::size_t>(trimmed.data() - text.data());
  const std::size_t length = trimmed.size();
  text.erase(first + length);
  text.erase(0, first);
  if (const int32_t index = SystemColourIndexOfName(text); index >= 0) return lookups.SystemColour(index);
  if (const auto rgb = lookups.NamedColour(text))
    return static_cast<int32_t>(((*rgb >> 16) & 0xFF) | (*rgb & 0xFF00) | ((*rgb & 0xFF) << 16));
  return kNoColour;
}

std::wstring ColourToText(int32_t colour) { return std::to_wstring(colour); }

}  // namespace kelvra
