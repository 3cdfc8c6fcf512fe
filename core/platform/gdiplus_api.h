// GdiPlusApi: the run-time table of the GDI+ flat API. GDI+ is never linked; its
// types are declared here by hand, as opaque handles and plain structs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

namespace gdip {
// Opaque GDI+ objects: the flat API hands out pointers and never shows their insides.
struct Graphics;
struct Brush;
struct Pen;
struct Image;
struct ImageAttributes;
struct Path;
using Bitmap = Image;           // a bitmap is an image to every drawing call
using LineGradient = Brush;     // brushes of all kinds are deleted as brushes
using SolidFill = Brush;
using PathGradient = Brush;

using Status = int;  // 0 = Ok
using Argb = uint32_t;
using Real = float;

struct Point { INT x, y; };
struct PointF { Real x, y; };
struct Rect { INT x, y, width, height; };
struct ColorMatrix { Real m[5][5]; };
struct BitmapData {
  UINT width, height;
  INT stride;
  INT pixelFormat;
  void* scan0;
  UINT_PTR reserved;
};

using DrawImageAbort = BOOL(WINAPI*)(void*);
using NotificationHookProc = Status(WINAPI*)(ULONG_PTR* token);
using NotificationUnhookProc = void(WINAPI*)(ULONG_PTR token);

struct StartupInput {
  UINT32 version;
  void* debugEventCallback;
  BOOL suppressBackgroundThread;
  BOOL suppressExternalCodecs;
};
struct StartupOutput {
  NotificationHookProc notificationHook;
  NotificationUnhookProc notificationUnhook;
};
}  // namespace gdip

struct GdiPlusApi {
  HMODULE module = nullptr;
  ULONG_PTR token = 0;  // 0: GDI+ not started; every caller tests it before drawing with GDI+
  gdip::StartupOutput startupOutput{};
  ULONG_PTR notificationToken = 0;
  bool notificationHooked = false;  // the token may legitimately be 0, so it cannot tell

  gdip::Status(WINAPI* GdipCreateFromHDC)(HDC, gdip::Graphics**) = nullptr;
  gdip::Status(WINAPI* GdipCreateFromHWND)(HWND, gdip::Graphics**) = nullptr;
  gdip::Status(WINAPI* GdipCreateLineBrushI)(const gdip::Point*, const gdip::Point*, gdip::Argb, gdip::Argb,
                                             INT wrapMode, gdip::LineGradient**) = nullptr;
  gdip::Status(WINAPI* GdipCreateSolidFill)(gdip::Argb, gdip::SolidFill**) = nullptr;
  gdip::Status(WINAPI* GdipFillRectangleI)(gdip::Graphics*, gdip::Brush*, INT, INT, INT, INT) = nullptr;
  gdip::Status(WINAPI* GdipFillEllipseI)(gdip::Graphics*, gdip::Brush*, INT, INT, INT, INT) = nullptr;
  gdip::Status(WINAPI* GdipDeleteGraphics)(gdip::Graphics*) = nullptr;
  gdip::Status(WINAPI* GdipDeleteBrush)(gdip::Brush*) = nullptr;
  gdip::Status(WINAPI* GdipCreatePathGradientI)(const gdip::Point*, INT count, INT wrapMode,
                                                gdip::PathGradient**) = nullptr;
  gdip::Status(WINAPI* GdipSetPathGradientCenterColor)(gdip::PathGradient*, gdip::Argb) = nullptr;
  gdip::Status(WINAPI* GdipSetPathGradientCenterPointI)(gdip::PathGradient*, const gdip::Point*) = nullptr;
  gdip::Status(WINAPI* GdipDrawLineI)(gdip::Graphics*, gdip::Pen*, INT, INT, INT, INT) = nullptr;
  gdip::Status(WINAPI* GdipCreatePen1)(gdip::Argb, gdip::Real width, INT unit, gdip::Pen**) = nullptr;
  gdip::Status(WINAPI* GdipDeletePen)(gdip::Pen*) = nullptr;
  gdip::Status(WINAPI* GdipDrawImage)(gdip::Graphics*, gdip::Image*, gdip::Real, gdip::Real) = nullptr;
  gdip::Status(WINAPI* GdipDrawImageI)(gdip::Graphics*, gdip::Image*, INT, INT) = nullptr;
  gdip::Status(WINAPI* GdipDrawImageRectI)(gdip::Graphics*, gdip::Image*, INT, INT, INT, INT) = nullptr;
  gdip::Status(WINAPI* GdipDrawImageRectRect)(gdip::Graphics*, gdip::Image*, gdip::Real, gdip::Real, gdip::Real,
                                              gdip::Real, gdip::Real, gdip::Real, gdip::Real, gdip::Real,
                                              INT srcUnit, const gdip::ImageAttributes*, gdip::DrawImageAbort,
                                              void* callbackData) = nullptr;
  gdip::Status(WINAPI* GdipDrawImageRectRectI)(gdip::Graphics*, gdip::Image*, INT, INT, INT, INT, INT, INT, INT,
                                               INT, INT srcUnit, const gdip::ImageAttributes*,
                                               gdip::DrawImageAbort, void* callbackData) = nullptr;
  gdip::Status(WINAPI* GdipCreateImageAttributes)(gdip::ImageAttributes**) = nullptr;
  gdip::Status(WINAPI* GdipSetImageAttributesColorMatrix)(gdip::ImageAttributes*, INT adjustType, BOOL enable,
                                                          const gdip::ColorMatrix* colours,
                                                          const gdip::ColorMatrix* greys, INT flags) = nullptr;
  gdip::Status(WINAPI* GdipDisposeImageAttributes)(gdip::ImageAttributes*) = nullptr;
  gdip::Status(WINAPI* GdipDisposeImage)(gdip::Image*) = nullptr;
  gdip::Status(WINAPI* GdipCreateBitmapFromHBITMAP)(HBITMAP, HPALETTE, gdip::Bitmap**) = nullptr;
  gdip::Status(WINAPI* GdipCreateBitmapFromScan0)(INT width, INT height, INT stride, INT pixelFormat, BYTE* scan0,
                                                  gdip::Bitmap**) = nullptr;
  gdip::Status(WINAPI* GdipCreateBitmapFromGraphics)(INT width, INT height, gdip::Graphics*,
                                                     gdip::Bitmap**) = nullptr;
  gdip::Status(WINAPI* GdipCreateBitmapFromGdiDib)(const BITMAPINFO*, void* bits, gdip::Bitmap**) = nullptr;
  gdip::Status(WINAPI* GdipBitmapSetPixel)(gdip::Bitmap*, INT x, INT y, gdip::Argb) = nullptr;
  gdip::Status(WINAPI* GdipBitmapLockBits)(gdip::Bitmap*, const gdip::Rect*, UINT flags, INT pixelFormat,
                                           gdip::BitmapData*) = nullptr;
  gdip::Status(WINAPI* GdipBitmapUnlockBits)(gdip::Bitmap*, gdip::BitmapData*) = nullptr;
  gdip::Status(WINAPI* GdipImageRotateFlip)(gdip::Image*, INT rotateFlipType) = nullptr;
  gdip::Status(WINAPI* GdipSetCompositingMode)(gdip::Graphics*, INT mode) = nullptr;
  gdip::Status(WINAPI* GdipSetCompositingQuality)(gdip::Graphics*, INT quality) = nullptr;
  gdip::Status(WINAPI* GdipSetPixelOffsetMode)(gdip::Graphics*, INT mode) = nullptr;
  gdip::Status(WINAPI* GdipSetSmoothingMode)(gdip::Graphics*, INT mode) = nullptr;
  gdip::Status(WINAPI* GdipSetLinePresetBlend)(gdip::LineGradient*, const gdip::Argb* colours,
                                               const gdip::Real* positions, INT count) = nullptr;
  gdip::Status(WINAPI* GdipCreatePath)(INT fillMode, gdip::Path**) = nullptr;
  gdip::Status(WINAPI* GdipCreatePathGradientFromPath)(const gdip::Path*, gdip::PathGradient**) = nullptr;
  gdip::Status(WINAPI* GdipAddPathEllipseI)(gdip::Path*, INT, INT, INT, INT) = nullptr;
  gdip::Status(WINAPI* GdipDeletePath)(gdip::Path*) = nullptr;
  gdip::Status(WINAPI* GdipSetPathGradientCenterPoint)(gdip::PathGradient*, const gdip::PointF*) = nullptr;

  // Optional entries, outside the all-or-nothing rule above: 0 when the module
  // lacks them, and called only when resolved. A path brush takes its colours
  // only through these (the line brush's preset-blend call refuses it).
  gdip::Status(WINAPI* GdipSetPathGradientPresetBlend)(gdip::PathGradient*, const gdip::Argb* colours,
                                                       const gdip::Real* positions, INT count) = nullptr;
  gdip::Status(WINAPI* GdipSetPathGradientSurroundColorsWithCount)(gdip::PathGradient*, const gdip::Argb* colours,
                                                                   INT* count) = nullptr;
};

// The process's table (filled by StartGdiPlus, cleared by ShutdownGdiPlus).
GdiPlusApi& GdiPlus();

// StartGdiPlus on a module of another name: the seam through which tests put a
// stand-in GDI+ under the real start and shutdown logic.
ULONG_PTR StartGdiPlusFrom(const wchar_t* moduleName);

}  // namespace kelvra
