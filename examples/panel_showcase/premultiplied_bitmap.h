// Star pictures as GdiAlphaBlend wants them: 32-bit bitmaps with premultiplied alpha.
#pragma once

#include <windows.h>

namespace showcase {

// A new 32-bit bottom-up DIB section of the picture's size, each colour channel
// multiplied by the pixel's alpha / 255. The picture is an icon or a bitmap (the
// icon reading is tried first). Alpha: a 32-bit picture's own; where that is 0 and
// an icon has a mask, 0 under set mask bits and 255 elsewhere; a picture of fewer
// bits without a mask is opaque. The caller's picture is left as it was; the
// caller owns the result. 0 for no picture, an unreadable one, or one without size.
HBITMAP ImageToPremultipliedBitmap(HANDLE image);

}  // namespace showcase
