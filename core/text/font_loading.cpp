// LoadFontEx and the read-back of face name and point size.
#include "core/text/font_loading.h"

#include <cmath>
#include <cstdlib>

#include "core/text/font_style_flags.h"

namespace kelvra {

namespace {
bool ReadLogFont(HFONT font, LOGFONTW& logFont) {
  if (!font || GetObjectType(font) != OBJ_FONT) return false;
  return GetObjectW(font, sizeof(logFont), &logFont) == sizeof(logFont);
}
}  // namespace

int GetScreenDPI(bool horizontal) {
  HDC screen = GetDC(nullptr);
  if (!screen) return 96;
  const int dpi = GetDeviceCaps(screen, horizontal ? LOGPIXELSX : LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

HFONT LoadFontEx(const wchar_t* faceName, int32_t pointSize, uint32_t styleFlags) {
  const FontStyle style = DecodeFontStyleFlags(styleFlags);
  const int height = -MulDiv(pointSize, GetScreenDPI(false), 72);
  return CreateFontW(height, 0, 0, 0, style.weight, style.italic, style.underline, style.strikeOut,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     static_cast<DWORD>(style.quality), VARIABLE_PITCH, faceName ? faceName : L"");
}

int32_t GetFontSize(HFONT font) {
  LOGFONTW logFont{};
  if (!ReadLogFont(font, logFont)) return 0;
  const int dpi = GetScreenDPI(false);
  if (dpi <= 0) return 0;
  // nearbyint under the default rounding mode: nearest, ties to even.
  return static_cast<int32_t>(std::nearbyint(std::abs(static_cast<double>(logFont.lfHeight)) * 72.0 / dpi));
}

std::wstring GetFontName(HFONT font) {
  LOGFONTW logFont{};
  if (!ReadLogFont(font, logFont)) return std::wstring();
  logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
  return logFont.lfFaceName;
}

bool ReadSystemMenuFont(LOGFONTW& font) {
  // The structure size 500 is what the library has always asked with. Since
  // Windows Vista NONCLIENTMETRICSW is 504 bytes (iPaddedBorderWidth), and the
  // system fills cbSize bytes: the buffer must hold the larger of the two, or the
  // last field lands on the stack beyond it.
  constexpr size_t kBufferSize = sizeof(NONCLIENTMETRICSW) > 500 ? sizeof(NONCLIENTMETRICSW) : 500;
  alignas(NONCLIENTMETRICSW) unsigned char buffer[kBufferSize] = {};
  auto* metrics = reinterpret_cast<NONCLIENTMETRICSW*>(buffer);
  metrics->cbSize = sizeof(NONCLIENTMETRICSW);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(NONCLIENTMETRICSW), metrics, 0)) return false;
  font = metrics->lfMenuFont;
  return true;
}

}  // namespace kelvra
