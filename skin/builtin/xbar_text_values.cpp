// Assembly of the explorer bar's text values: "font: <face>, <size>[, bold |
// , underline]; colour: rgb(<r>,<g>,<b>)".
#include "skin/builtin/xbar_text_values.h"

namespace kelvra {

namespace {

std::wstring Assemble(std::wstring_view face, int points, std::wstring_view styleAndColour, uint32_t rgb) {
  std::wstring text = L"font: ";
  text += face;
  text += L", ";
  text += std::to_wstring(points);
  text += styleAndColour;
  text += std::to_wstring(rgb & 0xFF);
  text += L",";
  text += std::to_wstring((rgb >> 8) & 0xFF);
  text += L",";
  text += std::to_wstring((rgb >> 16) & 0xFF);
  text += L")";
  return text;
}

}  // namespace

std::wstring XBarHeaderText(std::wstring_view face, int points, uint32_t rgb) {
  return Assemble(face, points, L", bold; colour: rgb(", rgb);
}

std::wstring XBarItemText(std::wstring_view face, int points, uint32_t rgb, bool underlined) {
  return Assemble(face, points, underlined ? L", underline; colour: rgb(" : L"; colour: rgb(", rgb);
}

}  // namespace kelvra
