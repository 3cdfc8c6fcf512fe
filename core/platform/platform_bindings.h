// Run-time bindings of GDI+, the visual-styles interface (UxTheme) and desktop
// composition (dwmapi). None is linked: each is loaded by name, its functions go
// into a table, and a missing library leaves every entry, handle and flag at 0.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/platform/dwm_api.h"
#include "core/platform/gdiplus_api.h"
#include "core/platform/uxtheme_api.h"

namespace kelvra {

// Returns the GDI+ token, 0 when GDI+ is not available. Cheap once started.
ULONG_PTR StartGdiPlus();
// Loads UxTheme once; returns its module handle, 0 when missing.
HMODULE LoadUxTheme();
// Loads dwmapi once and reads the composition state; returns 0.
int LoadDwmApi();
// Releases, in Kelvra_End's order; each does nothing the second time. With
// `underLoaderLock` the calls that DllMain may not make (GdiplusShutdown,
// FreeLibrary) are skipped.
int CloseThemeLibrary(bool underLoaderLock = false);
int ShutdownGdiPlus(bool underLoaderLock = false);
int CloseDwmLibrary(bool underLoaderLock = false);

// The tables themselves: GdiPlus(), UxTheme() and Dwm() (declared with their types
// in gdiplus_api.h, uxtheme_api.h and dwm_api.h).

}  // namespace kelvra
