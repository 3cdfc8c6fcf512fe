// UxThemeApi: the run-time table of the visual-styles interface, the visual-styles
// flag, the seven theme handles the painters share and the theme colour.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

using ThemeHandle = HANDLE;  // HTHEME

// Opened in this order; "scrollbar" first, since its colour picks the default colour theme.
struct ThemeHandles {
  ThemeHandle scrollbar = nullptr;
  ThemeHandle explorerbar = nullptr;
  ThemeHandle rebar = nullptr;
  ThemeHandle tab = nullptr;
  ThemeHandle toolbar = nullptr;
  ThemeHandle menu = nullptr;
  ThemeHandle button = nullptr;
};

struct UxThemeApi {
  HMODULE module = nullptr;

  ThemeHandle(WINAPI* OpenThemeData)(HWND, LPCWSTR classList) = nullptr;
  BOOL(WINAPI* IsThemeBackgroundPartiallyTransparent)(ThemeHandle, int part, int state) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(ThemeHandle, HDC, int part, int state, const RECT* rect,
                                       const RECT* clip) = nullptr;
  // The options structure (DTBGOPTS) is passed through untouched.
  HRESULT(WINAPI* DrawThemeBackgroundEx)(ThemeHandle, HDC, int part, int state, const RECT* rect,
                                         const void* options) = nullptr;
  HRESULT(WINAPI* DrawThemeParentBackground)(HWND, HDC, const RECT* rect) = nullptr;
  HRESULT(WINAPI* DrawThemeParentBackgroundEx)(HWND, HDC, DWORD flags, const RECT* rect) = nullptr;
  HRESULT(WINAPI* DrawThemeEdge)(ThemeHandle, HDC, int part, int state, const RECT* destRect, UINT edge,
                                 UINT flags, RECT* contentRect) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(ThemeHandle) = nullptr;
  HBRUSH(WINAPI* GetThemeSysColorBrush)(ThemeHandle, int colourId) = nullptr;
  COLORREF(WINAPI* GetThemeSysColor)(ThemeHandle, int colourId) = nullptr;
  HRESULT(WINAPI* GetThemeColor)(ThemeHandle, int part, int state, int propId, COLORREF* colour) = nullptr;
  HRESULT(WINAPI* GetThemeRect)(ThemeHandle, int part, int state, int propId, RECT* rect) = nullptr;
  HRESULT(WINAPI* GetThemeFont)(ThemeHandle, HDC, int part, int state, int propId, LOGFONTW* font) = nullptr;
  HRESULT(WINAPI* SetWindowTheme)(HWND, LPCWSTR appName, LPCWSTR idList) = nullptr;

  int visualStyles = 0;  // 1 when a visual style is active
  ThemeHandles themes;
  COLORREF themeColour = 0;  // active-caption colour of the "scrollbar" theme
  // Counts the reopenings after theme changes: what was drawn with older handles
  // (the page painter's cached backgrounds) is stale once it moves on.
  uint32_t generation = 0;
};

// The process's table (filled by LoadUxTheme, cleared by CloseThemeLibrary).
UxThemeApi& UxTheme();

// After a theme change (a panel's WM_THEMECHANGED): the explorer-bar, rebar and
// tab handles the page painter draws with are closed and opened again for the
// foreground window; without the visual-styles interface they are 0.
void ReopenPanelThemes();

// After a desktop theme change (a host window's WM_THEMECHANGED): the scroll-bar
// theme is opened again for the foreground window, its colour kept and offered to
// ChooseDefaultColourTheme, the visual-styles flag read again from the current
// theme name; when the scroll-bar theme opened, the other six are closed and
// opened again too. Without the visual-styles interface the flag and the
// scroll-bar handle become 0. Either way `generation` moves on.
void RefreshThemesAfterChange();

}  // namespace kelvra
