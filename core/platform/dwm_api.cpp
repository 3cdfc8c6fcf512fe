// LoadDwmApi and CloseDwmLibrary: desktop composition bound at run time.
#include "core/platform/dwm_api.h"

#include "core/platform/platform_bindings.h"
#include "core/platform/proc_address.h"

namespace kelvra {

DwmApi& Dwm() {
  static DwmApi api;
  return api;
}

int LoadDwmApi() {
  auto& api = Dwm();
  if (api.module) return 0;
  HMODULE module = LoadLibraryW(L"dwmapi.dll");
  if (!module) return 0;
  DwmApi fresh;
  fresh.module = module;
  bool ok = true;
  ok &= ResolveProc(module, "DwmIsCompositionEnabled", fresh.DwmIsCompositionEnabled);
  ok &= ResolveProc(module, "DwmEnableComposition", fresh.DwmEnableComposition);
  ok &= ResolveProc(module, "DwmSetWindowAttribute", fresh.DwmSetWindowAttribute);
  ok &= ResolveProc(module, "DwmFlush", fresh.DwmFlush);
  ok &= ResolveProc(module, "DwmSetPresentParameters", fresh.DwmSetPresentParameters);
  // All or nothing, as with the other tables: callers test only the flag.
  if (!ok) {
    FreeLibrary(module);
    return 0;
  }
  BOOL enabled = FALSE;
  fresh.compositionEnabled = SUCCEEDED(fresh.DwmIsCompositionEnabled(&enabled)) && enabled ? TRUE : FALSE;
  api = fresh;
  return 0;
}

int CloseDwmLibrary(bool underLoaderLock) {
  auto& api = Dwm();
  if (!api.module) return 0;
  if (!underLoaderLock) FreeLibrary(api.module);
  api = DwmApi{};
  return 0;
}

}  // namespace kelvra
