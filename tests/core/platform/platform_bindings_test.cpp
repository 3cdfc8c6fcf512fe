// The run-time tables of GDI+, UxTheme and dwmapi, bound to Wine's real DLLs, or
// all 0 when a ctest variant switches one off through WINEDLLOVERRIDES.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/platform/platform_bindings.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

bool Disabled(const wchar_t* dll) {
  wchar_t value[512] = {};
  GetEnvironmentVariableW(L"WINEDLLOVERRIDES", value, 512);
  return std::wstring(value).find(std::wstring(dll) + L"=d") != std::wstring::npos;
}

// Every function slot of a table is a pointer-sized member after `first`.
template <class Table>
int NullSlots(const Table& table, const void* first, const void* last) {
  int nulls = 0;
  auto* p = static_cast<void* const*>(first);
  auto* end = static_cast<void* const*>(last);
  for (; p <= end; ++p) nulls += *p == nullptr;
  (void)table;
  return nulls;
}

int GdiPlusNullSlots(const GdiPlusApi& api) {
  return NullSlots(api, &api.GdipCreateFromHDC, &api.GdipSetPathGradientCenterPoint);
}

TEST(GdiPlusBinding, StartsOnceFillsTheWholeTableAndShutsDownOnce) {
  auto& api = GdiPlus();
  ASSERT_EQ(0u, api.token) << "Kelvra_Init does not start GDI+";
  if (Disabled(L"gdiplus")) {
    EXPECT_EQ(0u, StartGdiPlus());
    EXPECT_EQ(nullptr, api.module);
    EXPECT_EQ(41, GdiPlusNullSlots(api));
    EXPECT_EQ(0, ShutdownGdiPlus());
    return;
  }
  const ULONG_PTR token = StartGdiPlus();
  ASSERT_NE(0u, token);
  EXPECT_EQ(token, StartGdiPlus()) << "a second start returns the same token";
  EXPECT_EQ(GetModuleHandleW(L"gdiplus.dll"), api.module);
  EXPECT_EQ(0, GdiPlusNullSlots(api));
  // The optional entries, outside the all-or-nothing rule, are there in this GDI+.
  EXPECT_NE(nullptr, api.GdipSetPathGradientPresetBlend);
  EXPECT_NE(nullptr, api.GdipSetPathGradientSurroundColorsWithCount);
  EXPECT_TRUE(api.notificationHooked) << "started without its thread, GDI+ needs the hook";

  // Calls through the hand-typed table work: fill a rectangle and read it back.
  test::Dib32 dib(8, 8, 0);
  gdip::Graphics* graphics = nullptr;
  ASSERT_EQ(0, api.GdipCreateFromHDC(dib.dc(), &graphics));
  gdip::SolidFill* brush = nullptr;
  ASSERT_EQ(0, api.GdipCreateSolidFill(0xFF10C030, &brush));
  EXPECT_EQ(0, api.GdipFillRectangleI(graphics, brush, 2, 2, 4, 4));
  api.GdipDeleteBrush(brush);
  api.GdipDeleteGraphics(graphics);
  GdiFlush();
  EXPECT_EQ(0x10C030u, dib.Pixel(3, 3) & 0xFFFFFF);
  EXPECT_EQ(0u, dib.Pixel(0, 0) & 0xFFFFFF);

  // Loaded once: one shutdown takes the module out of the process.
  EXPECT_EQ(0, ShutdownGdiPlus());
  EXPECT_EQ(nullptr, GetModuleHandleW(L"gdiplus.dll"));
  EXPECT_EQ(0u, api.token);
  EXPECT_EQ(41, GdiPlusNullSlots(api));
  EXPECT_EQ(nullptr, api.GdipSetPathGradientPresetBlend);
  EXPECT_EQ(0, ShutdownGdiPlus()) << "a second release does nothing";
  EXPECT_NE(0u, StartGdiPlus()) << "and a later start begins afresh";
}

TEST(UxThemeBinding, TableFlagHandlesAndThemeColour) {
  auto& api = UxTheme();
  if (Disabled(L"uxtheme")) {
    EXPECT_EQ(nullptr, LoadUxTheme());
    EXPECT_EQ(nullptr, api.module);
    EXPECT_EQ(14, NullSlots(api, &api.OpenThemeData, &api.SetWindowTheme));
    EXPECT_EQ(0, api.visualStyles);
    EXPECT_EQ(nullptr, api.themes.scrollbar);
    EXPECT_EQ(0, CloseThemeLibrary());
    return;
  }
  ASSERT_NE(nullptr, api.module) << "Kelvra_Init binds UxTheme";
  EXPECT_EQ(api.module, LoadUxTheme()) << "a second load returns the module at once";
  EXPECT_EQ(0, NullSlots(api, &api.OpenThemeData, &api.SetWindowTheme));
  // A fresh Wine prefix has a visual style active, with a "scrollbar" theme.
  EXPECT_EQ(1, api.visualStyles);
  ASSERT_NE(nullptr, api.themes.scrollbar);
  EXPECT_EQ(api.GetThemeSysColor(api.themes.scrollbar, COLOR_ACTIVECAPTION), api.themeColour);
  EXPECT_NE(nullptr, api.themes.button);

  EXPECT_EQ(0, CloseThemeLibrary());
  EXPECT_EQ(nullptr, api.module);
  EXPECT_EQ(nullptr, api.themes.scrollbar);
  EXPECT_EQ(0, api.visualStyles);
  EXPECT_EQ(0, CloseThemeLibrary());
  EXPECT_NE(nullptr, LoadUxTheme()) << "bound again for the rest of the program";
}

TEST(DwmBinding, TableAndCompositionFlag) {
  auto& api = Dwm();
  if (Disabled(L"dwmapi")) {
    EXPECT_EQ(nullptr, api.module);
    EXPECT_EQ(5, NullSlots(api, &api.DwmIsCompositionEnabled, &api.DwmSetPresentParameters));
    EXPECT_EQ(FALSE, api.compositionEnabled);
    EXPECT_EQ(0, CloseDwmLibrary());
    return;
  }
  ASSERT_NE(nullptr, api.module);
  EXPECT_EQ(0, NullSlots(api, &api.DwmIsCompositionEnabled, &api.DwmSetPresentParameters));
  BOOL enabled = TRUE;
  ASSERT_TRUE(SUCCEEDED(api.DwmIsCompositionEnabled(&enabled)));
  EXPECT_EQ(enabled ? TRUE : FALSE, api.compositionEnabled);
  EXPECT_EQ(0, CloseDwmLibrary());
  EXPECT_EQ(nullptr, api.module);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"dwmapi.dll")) << "unloaded once, so gone";
  EXPECT_EQ(0, CloseDwmLibrary());
  EXPECT_EQ(0, LoadDwmApi());
  EXPECT_NE(nullptr, api.module);
}

}  // namespace
}  // namespace kelvra
