// Measuring bitmaps and icons.
#include "core/image/image_measure.h"

#include "core/platform/win_handles.h"

namespace kelvra {

int MeasureImage(HANDLE image, int* width, int* height, bool maskWhenNoColour) {
  int w = 0, h = 0, isIcon = 0;
  ICONINFO info{};
  BITMAP bm{};
  if (image && GetIconInfo(static_cast<HICON>(image), &info)) {
    isIcon = 1;
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    HBITMAP measured = colour ? colour.get() : (maskWhenNoColour ? mask.get() : nullptr);
    if (measured && GetObjectW(measured, sizeof(bm), &bm)) {
      w = bm.bmWidth;
      h = bm.bmHeight;
    }
  } else if (image && GetObjectType(image) == OBJ_BITMAP && GetObjectW(image, sizeof(bm), &bm) == sizeof(bm)) {
    // Checked by type: GetObjectW fills the first bytes of a BITMAP from a font's LOGFONTW too.
    w = bm.bmWidth;
    h = bm.bmHeight;
  }
  if (width) *width = w;
  if (height) *height = h;
  return isIcon;
}

int GetImageDimensions(HANDLE image, int* width, int* height) { return MeasureImage(image, width, height, true); }

}  // namespace kelvra
