// One link of a text control as the formatted-text renderer found it. Pure: the
// hit-testing and layout of text controls use it without <windows.h>.
#pragma once

#include <cstdint>

namespace kelvra {

// Its number and its rectangle in the coordinates of the device context the text
// was measured or drawn on.
struct TextControlExLink {
  int32_t number = 0;
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

}  // namespace kelvra
