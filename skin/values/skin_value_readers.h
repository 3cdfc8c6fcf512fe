// What the value readers answer for one property value: the param, sub-param and
// colour readings behind GetSkinProperty, GetSkinPropertyParam and their kin,
// with colours given as signed decimal text. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/values/colour_string.h"

namespace kelvra {

// True when the value is one colour: with its first rgba, rgb and getuicolour
// forms replaced by their colours, it holds no ",", no ":" and at most one ";".
bool SkinColourSingleTest(std::wstring_view value, const ColourLookups& lookups);

// GetSkinProperty: the value, or its colour in decimal when it is one colour.
std::wstring SkinPropertyText(std::wstring_view value, const ColourLookups& lookups);
// GetSkinPropertyColour: the value as one colour; kNoColour otherwise.
int32_t SkinPropertyColour(std::wstring_view value, const ColourLookups& lookups);

// GetSkinPropertyParam: "" names the first field; a param holding one colour
// comes back as its decimal; "" when the param is missing.
std::wstring LookupSkinPropertyParam(std::wstring_view value, std::wstring_view paramName,
                                     const ColourLookups& lookups);
// CountSkinPropertySubParams: 0 for an empty or missing param name.
int32_t SkinSubParamCount(std::wstring_view value, std::wstring_view paramName);
// A sub-param as GetSkinPropertySubParam gives it: a colour as its decimal, any
// other item as it stands.
std::wstring SkinSubParamText(std::wstring_view item, const ColourLookups& lookups);
// GetSkinPropertySubParam: a colour item as its decimal; "" when missing.
std::wstring LookupSkinPropertySubParam(std::wstring_view value, std::wstring_view paramName, int32_t index,
                                        const ColourLookups& lookups);
// GetSkinPropertySubParamColour: kNoColour when missing.
int32_t SkinSubParamColour(std::wstring_view value, std::wstring_view paramName, int32_t index,
                           const ColourLookups& lookups);

}  // namespace kelvra
