// StartGdiPlus and ShutdownGdiPlus: GDI+ loaded by name and started without its
// background thread.
#include "core/platform/gdiplus_api.h"

#include "core/platform/platform_bindings.h"
#include "core/platform/proc_address.h"

namespace kelvra {

namespace {

using StartupFn = gdip::Status(WINAPI*)(ULONG_PTR*, const gdip::StartupInput*, gdip::StartupOutput*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);

// The entry points of the start and end themselves (not part of the drawing table).
StartupFn startupEntry = nullptr;
ShutdownFn shutdownEntry = nullptr;

bool ResolveAll(HMODULE m, GdiPlusApi& api) {
  bool ok = true;
  // Every entry is looked up (not stopping at the first gap) in the table's order.
#define KELVRA_GDIP(name) ok &= ResolveProc(m, #name, api.name)
  KELVRA_GDIP(GdipCreateFromHDC);
  KELVRA_GDIP(GdipCreateFromHWND);
  KELVRA_GDIP(GdipCreateLineBrushI);
  KELVRA_GDIP(GdipCreateSolidFill);
  KELVRA_GDIP(GdipFillRectangleI);
  KELVRA_GDIP(GdipFillEllipseI);
  KELVRA_GDIP(GdipDeleteGraphics);
  KELVRA_GDIP(GdipDeleteBrush);
  KELVRA_GDIP(GdipCreatePathGradientI);
  KELVRA_GDIP(GdipSetPathGradientCenterColor);
  KELVRA_GDIP(GdipSetPathGradientCenterPointI);
  KELVRA_GDIP(GdipDrawLineI);
  KELVRA_GDIP(GdipCreatePen1);
  KELVRA_GDIP(GdipDeletePen);
  KELVRA_GDIP(GdipDrawImage);
  KELVRA_GDIP(GdipDrawImageI);
  KELVRA_GDIP(GdipDrawImageRectI);
  KELVRA_GDIP(GdipDrawImageRectRect);
  KELVRA_GDIP(GdipDrawImageRectRectI);
  KELVRA_GDIP(GdipCreateImageAttributes);
  KELVRA_GDIP(GdipSetImageAttributesColorMatrix);
  KELVRA_GDIP(GdipDisposeImageAttributes);
  KELVRA_GDIP(GdipDisposeImage);
  KELVRA_GDIP(GdipCreateBitmapFromHBITMAP);
  KELVRA_GDIP(GdipCreateBitmapFromScan0);
  KELVRA_GDIP(GdipCreateBitmapFromGraphics);
  KELVRA_GDIP(GdipCreateBitmapFromGdiDib);
  KELVRA_GDIP(GdipBitmapSetPixel);
  KELVRA_GDIP(GdipBitmapLockBits);
  KELVRA_GDIP(GdipBitmapUnlockBits);
  KELVRA_GDIP(GdipImageRotateFlip);
  KELVRA_GDIP(GdipSetCompositingMode);
  KELVRA_GDIP(GdipSetCompositingQuality);
  KELVRA_GDIP(GdipSetPixelOffsetMode);
  KELVRA_GDIP(GdipSetSmoothingMode);
  KELVRA_GDIP(GdipSetLinePresetBlend);
  KELVRA_GDIP(GdipCreatePath);
  KELVRA_GDIP(GdipCreatePathGradientFromPath);
  KELVRA_GDIP(GdipAddPathEllipseI);
  KELVRA_GDIP(GdipDeletePath);
  KELVRA_GDIP(GdipSetPathGradientCenterPoint);
#undef KELVRA_GDIP
  // Optional: a missing one leaves its slot 0 and GDI+ usable.
  ResolveProc(m, "GdipSetPathGradientPresetBlend", api.GdipSetPathGradientPresetBlend);
  ResolveProc(m, "GdipSetPathGradientSurroundColorsWithCount", api.GdipSetPathGradientSurroundColorsWithCount);
  ok &= ResolveProc(m, "GdiplusStartup", startupEntry);
  ok &= ResolveProc(m, "GdiplusShutdown", shutdownEntry);
  return ok;
}

void ClearTable() {
  GdiPlus() = GdiPlusApi{};
  startupEntry = nullptr;
  shutdownEntry = nullptr;
}

}  // namespace

GdiPlusApi& GdiPlus() {
  static GdiPlusApi api;
  return api;
}

ULONG_PTR StartGdiPlusFrom(const wchar_t* moduleName) {
  auto& api = GdiPlus();
  if (api.token) return api.token;
  HMODULE module = LoadLibraryW(moduleName);
  if (!module) return 0;

  GdiPlusApi fresh;
  fresh.module = module;
  // GDI+ counts as present only with its whole table: a caller that finds the
  // token set may call any entry without testing it.
  gdip::StartupInput input{1, nullptr, TRUE, FALSE};
  if (!ResolveAll(module, fresh) ||
      startupEntry(&fresh.token, &input, &fresh.startupOutput) != 0 || !fresh.token) {
    // A failed attempt leaves nothing loaded, so the next call starts afresh.
    startupEntry = nullptr;
    shutdownEntry = nullptr;
    FreeLibrary(module);
    return 0;
  }
  // Without the background thread, the notification hook stands in for it; it
  // exists only once the startup has succeeded.
  if (fresh.startupOutput.notificationHook)
    fresh.notificationHooked = fresh.startupOutput.notificationHook(&fresh.notificationToken) == 0;
  api = fresh;
  return api.token;
}

ULONG_PTR StartGdiPlus() { return StartGdiPlusFrom(L"GDIPlus.DLL"); }

int ShutdownGdiPlus(bool underLoaderLock) {
  auto& api = GdiPlus();
  if (!api.module) return 0;
  // Under the loader lock GdiplusShutdown and FreeLibrary are off limits: the
  // module keeps its reference and goes with the process.
  if (!underLoaderLock) {
    if (api.notificationHooked && api.startupOutput.notificationUnhook)
      api.startupOutput.notificationUnhook(api.notificationToken);
    if (api.token && shutdownEntry) shutdownEntry(api.token);
    FreeLibrary(api.module);
  }
  ClearTable();
  return 0;
}

}  // namespace kelvra
