// Page images: a one-image list made from an icon, a bitmap or a masked copy.
#include "panels/page/page_image_list.h"

#include "core/image/image_measure.h"
#include "core/image/image_recolour.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

bool AddImage(HIMAGELIST list, HANDLE image, int32_t flags) {
  if (ImageList_ReplaceIcon(list, -1, static_cast<HICON>(image)) >= 0) return true;
  // Not an icon: a bitmap.
  if (!(flags & kImageMasked)) return ImageList_Add(list, static_cast<HBITMAP>(image), nullptr) >= 0;
  // ImageList_AddMasked blackens the masked pixels of the bitmap it is given: the
  // caller's bitmap (perhaps one the image cache shares) must not change, so a
  // copy goes in.
  UniqueBitmap masked(static_cast<HBITMAP>(BlendImage(image, BlendSettings{}, 0)));
  return masked && ImageList_AddMasked(list, masked.get(), RGB(255, 255, 255)) >= 0;
}

}  // namespace

bool SetPageImage(PageImageSet& set, HANDLE image, int32_t width, int32_t height, int32_t flags) {
  int ownWidth = 0, ownHeight = 0;
  if (!width || !height) GetImageDimensions(image, &ownWidth, &ownHeight);
  if (!width) width = ownWidth;
  if (!height) height = ownHeight;
  set.imageList.reset();
  ++set.imageGeneration;
  set.width = width;
  set.height = height;
  if (!image || width <= 0 || height <= 0) return false;
  UniqueImageList list(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 0));
  if (!list || !AddImage(list.get(), image, flags)) return false;
  set.imageList = std::move(list);
  return true;
}

}  // namespace kelvra
