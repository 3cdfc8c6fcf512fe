// Bitmaps into icons and runtime images.
#include "core/image/bitmap_conversion.h"

#include <commctrl.h>

#include <utility>

#include "core/image/runtime_image.h"
#include "core/platform/win_handles.h"

namespace kelvra {

HICON BitmapToIcon(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(bm), &bm) || bm.bmWidth < 1 || bm.bmHeight < 1) return nullptr;
  UniqueImageList list(ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR32 | ILC_MASK, 1, 0));
  if (!list || ImageList_Add(list.get(), bitmap, nullptr) < 0) return nullptr;
  return ImageList_GetIcon(list.get(), 0, ILD_NORMAL);
}

int32_t ImageFromBitmap(HBITMAP bitmap, int) {
  auto image = image::RuntimeImage::Adopt(bitmap);
  if (!image) return 0;
  const int32_t number = image::AddRuntimeImage(image);
  // A full table hands the bitmap back rather than deleting the caller's object.
  if (!number) image->Detach();
  return number;
}

}  // namespace kelvra
