// Param, sub-param and colour readings of one property value.
#include "skin/values/skin_value_readers.h"

#include <optional>

#include "skin/values/skin_text.h"
#include "skin/values/skin_value_grammar.h"

namespace kelvra {

namespace {

// Replaces the first "keyword ... )" form of the text by its colour when it is one.
void ReplaceFirstForm(std::wstring& text, std::wstring_view keyword, const ColourLookups& lookups) {
  const auto start = text.find(keyword);
  if (start == std::wstring::npos) return;
  const auto end = text.find(L')', start);
  if (end == std::wstring::npos) return;
  const int32_t colour = ColourFromString(std::wstring_view(text).substr(start, end - start + 1), lookups);
  if (colour != kNoColour) text.replace(start, end - start + 1, ColourToText(colour));
}

std::optional<std::wstring_view> FindParam(std::wstring_view value, std::wstring_view paramName) {
  if (paramName.empty()) return std::nullopt;
  return FindSkinValueParam(value, paramName);
}

std::optional<std::wstring_view> FindItem(std::wstring_view value, std::wstring_view paramName, int32_t index) {
  const auto param = FindParam(value, paramName);
  if (!param) return std::nullopt;
  return SkinSubParamItem(*param, index);
}

}  // namespace

bool SkinColourSingleTest(std::wstring_view value, const ColourLookups& lookups) {
  std::wstring copy = LowerCaseText(value);
  ReplaceFirstForm(copy, L"rgba", lookups);
  ReplaceFirstForm(copy, L"rgb", lookups);
  // A whole value "getuicolour(...);" is a colour as much as it is inside a param.
  ReplaceFirstForm(copy, L"getuicolour", lookups);
  int semicolons = 0;
  for (const wchar_t c : copy) {
    if (c == L',' || c == L':') return false;
    if (c == L';' && ++semicolons > 1) return false;
  }
  return true;
}

int32_t SkinPropertyColour(std::wstring_view value, const ColourLookups& lookups) {
  return SkinColourSingleTest(value, lookups) ? ColourFromString(value, lookups) : kNoColour;
}

std::wstring SkinPropertyText(std::wstring_view value, const ColourLookups& lookups) {
  const int32_t colour = SkinPropertyColour(value, lookups);
  return colour != kNoColour ? ColourToText(colour) : std::wstring(value);
}

std::wstring LookupSkinPropertyParam(std::wstring_view value, std::wstring_view paramName,
                                     const ColourLookups& lookups) {
  if (paramName.empty()) return std::wstring(TrimBlanksAndSemicolons(SkinValueField(value, 1)));
  if (!HasSkinValueParams(value)) return std::wstring(TrimBlanksAndSemicolons(value));
  const auto param = FindSkinValueParam(value, paramName);
  if (!param) return std::wstring();
  if (CountSkinSubParams(*param) == 1) {
    const int32_t colour = ColourFromString(*param, lookups);
    if (colour != kNoColour) return ColourToText(colour);
  }
  return std::wstring(*param);
}

int32_t SkinSubParamCount(std::wstring_view value, std::wstring_view paramName) {
  const auto param = FindParam(value, paramName);
  return param ? CountSkinSubParams(*param) : 0;
}

std::wstring SkinSubParamText(std::wstring_view item, const ColourLookups& lookups) {
  const int32_t colour = ColourFromString(item, lookups);
  return colour != kNoColour ? ColourToText(colour) : std::wstring(item);
}

std::wstring LookupSkinPropertySubParam(std::wstring_view value, std::wstring_view paramName, int32_t index,
                                        const ColourLookups& lookups) {
  const auto item = FindItem(value, paramName, index);
  return item ? SkinSubParamText(*item, lookups) : std::wstring();
}

int32_t SkinSubParamColour(std::wstring_view value, std::wstring_view paramName, int32_t index,
                           const ColourLookups& lookups) {
  const auto item = FindItem(value, paramName, index);
  return item ? ColourFromString(*item, lookups) : kNoColour;
}

}  // namespace kelvra
