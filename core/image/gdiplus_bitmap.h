// A GDI+ bitmap of a runtime image or an HBITMAP, for drawing through GDI+.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/platform/gdiplus_api.h"

namespace kelvra {

// A GDI+ bitmap of a runtime image number or an HBITMAP, upright; 0 when GDI+ is
// missing or the bitmap cannot be read. A 32-bit DIB section is shared, not
// copied: it must outlive the GDI+ bitmap. Dispose with GdipDisposeImage.
gdip::Bitmap* CreateGdipBitmap(intptr_t imageOrNumber);

}  // namespace kelvra
