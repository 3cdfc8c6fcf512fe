// Reading the explorer bar's text font and colour from the theme or the system.
#include "skin/builtin/xbar_text_style.h"

#include <windows.h>

#include "core/library/library_globals.h"
#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

constexpr int kThemeFontProperty = 210;        // TMT_FONT
constexpr int kThemeTextColourProperty = 3803;  // TMT_TEXTCOLOR
constexpr int kDefaultPoints = 8;

int PointsOf(const LOGFONTW& font, HDC screen) {
  const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (height == 0 || dpi <= 0) return kDefaultPoints;
  return MulDiv(height, 72, dpi);
}

void TakeFont(XBarTextStyle& style, const LOGFONTW& font, HDC screen) {
  if (!font.lfFaceName[0]) return;
  style.face = font.lfFaceName;
  style.points = PointsOf(font, screen);
}

}  // namespace

XBarTextStyle ReadXBarTextStyle() {
  XBarTextStyle style;
  style.face = L"Tahoma";
  style.headerRgb = GetSysColor(COLOR_WINDOWTEXT);
  style.itemRgb = GetSysColor(COLOR_HOTLIGHT);
  WindowDc screen(nullptr);

  LOGFONTW font{};
  if (HFONT uiFont = Globals().defaultUIFont; uiFont && GetObjectW(uiFont, sizeof(font), &font) == sizeof(font))
    TakeFont(style, font, screen);

  const auto& ux = UxTheme();
  const auto theme = ux.visualStyles ? ux.themes.explorerbar : nullptr;
  if (!theme) return style;
  LOGFONTW themeFont{};
  if (ux.GetThemeFont && SUCCEEDED(ux.GetThemeFont(theme, screen, 1, 1, kThemeFontProperty, &themeFont)))
    TakeFont(style, themeFont, screen);
  COLORREF colour = 0;
  if (ux.GetThemeColor && SUCCEEDED(ux.GetThemeColor(theme, 5, 1, kThemeTextColourProperty, &colour)))
    style.headerRgb = style.itemRgb = colour;
  return style;
}

}  // namespace kelvra
