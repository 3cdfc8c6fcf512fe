// Owners of GDI+ objects made through the run-time table, on the one handle-owner
// template: each deletes its object through the table's matching call. Make them
// only once GDI+ has started.
#pragma once

#include "core/platform/gdiplus_api.h"
#include "core/platform/win_handles.h"

namespace kelvra {

inline void DeleteGdipGraphics(gdip::Graphics* graphics) { GdiPlus().GdipDeleteGraphics(graphics); }
inline void DeleteGdipBrush(gdip::Brush* brush) { GdiPlus().GdipDeleteBrush(brush); }
inline void DeleteGdipPen(gdip::Pen* pen) { GdiPlus().GdipDeletePen(pen); }

using GdipGraphicsOwner = UniqueHandle<gdip::Graphics*, DeleteGdipGraphics>;
using GdipBrushOwner = UniqueHandle<gdip::Brush*, DeleteGdipBrush>;
using GdipPenOwner = UniqueHandle<gdip::Pen*, DeleteGdipPen>;

}  // namespace kelvra
