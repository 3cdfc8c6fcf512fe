// Placeholder bindings until the run-time tables are built.
#include "core/platform_bindings.h"

namespace kelvra {
ULONG_PTR StartGdiPlus() { return 0; }
HMODULE LoadUxTheme() { return nullptr; }
int LoadDwmApi() { return 0; }
int CloseThemeLibrary(bool) { return 0; }
int ShutdownGdiPlus(bool) { return 0; }
int CloseDwmLibrary(bool) { return 0; }
}  // namespace kelvra
