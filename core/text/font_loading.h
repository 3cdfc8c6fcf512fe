// Fonts from a face name, a point size and style flags, and reading them back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace kelvra {

// Pixels per logical inch of the screen: horizontal when `horizontal`, else vertical.
int GetScreenDPI(bool horizontal);
// A font of `pointSize` points at the screen's vertical DPI; 0 on failure.
HFONT LoadFontEx(const wchar_t* faceName, int32_t pointSize, uint32_t styleFlags);
// The point size of a font, 0 when the handle is no font.
int32_t GetFontSize(HFONT font);
// The face name of a font, empty when the handle is no font.
std::wstring GetFontName(HFONT font);
// The system's menu font (lfMenuFont of the non-client metrics); false when the
// metrics cannot be read.
bool ReadSystemMenuFont(LOGFONTW& font);

}  // namespace kelvra
