// LoadUxTheme and CloseThemeLibrary: the visual-styles interface bound at run time.
#include "core/platform/uxtheme_api.h"

#include <cwctype>
#include <string>
#include <utility>

#include "core/platform/platform_bindings.h"
#include "core/platform/proc_address.h"
#include "skin/skin_seam.h"

namespace kelvra {

namespace {

// Systems before NT 6.0 (and Wine 8) lack DrawThemeParentBackgroundEx; there the
// plain form stands in, so the entry is never 0 while the table is bound.
HRESULT WINAPI DrawThemeParentBackgroundExStandIn(HWND window, HDC dc, DWORD, const RECT* rect) {
  auto draw = UxTheme().DrawThemeParentBackground;
  return draw ? draw(window, dc, rect) : E_FAIL;
}

bool ResolveAll(HMODULE m, UxThemeApi& api) {
  bool ok = true;
#define KELVRA_UXT(name) ok &= ResolveProc(m, #name, api.name)
  KELVRA_UXT(OpenThemeData);
  KELVRA_UXT(IsThemeBackgroundPartiallyTransparent);
  KELVRA_UXT(DrawThemeBackground);
  KELVRA_UXT(DrawThemeBackgroundEx);
  KELVRA_UXT(DrawThemeParentBackground);
  if (!ResolveProc(m, "DrawThemeParentBackgroundEx", api.DrawThemeParentBackgroundEx))
    api.DrawThemeParentBackgroundEx = DrawThemeParentBackgroundExStandIn;
  KELVRA_UXT(DrawThemeEdge);
  KELVRA_UXT(CloseThemeData);
  KELVRA_UXT(GetThemeSysColorBrush);
  KELVRA_UXT(GetThemeSysColor);
  KELVRA_UXT(GetThemeColor);
  KELVRA_UXT(GetThemeRect);
  KELVRA_UXT(GetThemeFont);
  KELVRA_UXT(SetWindowTheme);
#undef KELVRA_UXT
  return ok;
}

// A visual style is active when the system names a theme file (surrounding spaces aside).
bool VisualStyleActive(HMODULE module) {
  using GetCurrentThemeNameFn = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
  GetCurrentThemeNameFn getName = nullptr;
  if (!ResolveProc(module, "GetCurrentThemeName", getName)) return false;
  wchar_t name[100] = {};
  if (FAILED(getName(name, 100, nullptr, 0, nullptr, 0))) return false;
  name[99] = L'\0';
  for (const wchar_t* c = name; *c; ++c)
    if (!std::iswspace(*c)) return true;
  return false;
}

}  // namespace

UxThemeApi& UxTheme() {
  static UxThemeApi api;
  return api;
}

HMODULE LoadUxTheme() {
  auto& api = UxTheme();
  if (api.module) return api.module;
  HMODULE module = LoadLibraryW(L"UxTheme.dll");
  if (!module) return nullptr;

  UxThemeApi fresh;
  fresh.module = module;
  // All or nothing (but for the one entry with a stand-in): painters test the
  // flag or a theme handle, never each entry, so a partial table would let one of
  // them call through a 0 address.
  if (!ResolveAll(module, fresh)) {
    FreeLibrary(module);
    return nullptr;
  }
  fresh.visualStyles = VisualStyleActive(module) ? 1 : 0;

  HWND foreground = GetForegroundWindow();
  auto& t = fresh.themes;
  t.scrollbar = fresh.OpenThemeData(foreground, L"scrollbar");
  if (t.scrollbar) {
    fresh.themeColour = fresh.GetThemeSysColor(t.scrollbar, COLOR_ACTIVECAPTION);
    ChooseDefaultColourTheme(fresh.themeColour);
  }
  t.explorerbar = fresh.OpenThemeData(foreground, L"explorerbar");
  t.rebar = fresh.OpenThemeData(foreground, L"rebar");
  t.tab = fresh.OpenThemeData(foreground, L"tab");
  t.toolbar = fresh.OpenThemeData(foreground, L"toolbar");
  t.menu = fresh.OpenThemeData(foreground, L"menu");
  t.button = fresh.OpenThemeData(foreground, L"button");
  api = fresh;
  return api.module;
}

void ReopenPanelThemes() {
  auto& api = UxTheme();
  auto& t = api.themes;
  ++api.generation;
  if (!api.module) {
    t.explorerbar = t.rebar = t.tab = nullptr;
    return;
  }
  HWND foreground = GetForegroundWindow();
  for (auto [handle, name] : {std::pair{&t.explorerbar, L"explorerbar"}, {&t.rebar, L"rebar"}, {&t.tab, L"tab"}}) {
    if (*handle) api.CloseThemeData(*handle);
    *handle = api.OpenThemeData(foreground, name);
  }
}

void RefreshThemesAfterChange() {
  auto& api = UxTheme();
  auto& t = api.themes;
  ++api.generation;
  if (!api.module) {
    api.visualStyles = 0;
    t.scrollbar = nullptr;
    return;
  }
  const HWND foreground = GetForegroundWindow();
  if (t.scrollbar) api.CloseThemeData(t.scrollbar);
  t.scrollbar = api.OpenThemeData(foreground, L"scrollbar");
  if (t.scrollbar) {
    api.themeColour = api.GetThemeSysColor(t.scrollbar, COLOR_ACTIVECAPTION);
    ChooseDefaultColourTheme(api.themeColour);
  }
  api.visualStyles = VisualStyleActive(api.module) ? 1 : 0;
  // Without a style nothing opens: the other handles are kept as they were.
  if (!t.scrollbar) return;
  for (auto [handle, name] : {std::pair{&t.explorerbar, L"explorerbar"}, {&t.rebar, L"rebar"}, {&t.tab, L"tab"},
                              {&t.toolbar, L"toolbar"}, {&t.menu, L"menu"}, {&t.button, L"button"}}) {
    if (*handle) api.CloseThemeData(*handle);
    *handle = api.OpenThemeData(foreground, name);
  }
}

int CloseThemeLibrary(bool underLoaderLock) {
  auto& api = UxTheme();
  if (!api.module) return 0;
  auto& t = api.themes;
  // Every handle that opened is closed, even when "scrollbar" did not open.
  for (ThemeHandle handle : {t.scrollbar, t.explorerbar, t.rebar, t.tab, t.toolbar, t.menu, t.button})
    if (handle) api.CloseThemeData(handle);
  // FreeLibrary is off limits under the loader lock: the module goes with the process.
  if (!underLoaderLock) FreeLibrary(api.module);
  api = UxThemeApi{};
  return 0;
}

}  // namespace kelvra
