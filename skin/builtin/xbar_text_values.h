// The text values of the system-look explorer bar skin, assembled from a font face,
// a point size and a colour: from the explorer-bar theme when one is open, else from
// the library's default UI font and system colours. Pure code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvra {

// rgb is a Win32 colour (red in the low byte).
std::wstring XBarHeaderText(std::wstring_view face, int points, uint32_t rgb);
std::wstring XBarItemText(std::wstring_view face, int points, uint32_t rgb, bool underlined);

}  // namespace kelvra
