// Button image lists.
#include "panels/button/button_images.h"

#include "core/image/image_recolour.h"

namespace kelvra {

namespace {

constexpr COLORREF kButtonMaskColour = RGB(0, 255, 0);

}  // namespace

bool AddButtonImage(HIMAGELIST list, HANDLE image) {
  if (!list || !image) return false;
  if (ImageList_ReplaceIcon(list, -1, static_cast<HICON>(image)) >= 0) return true;
  // Not an icon: a bitmap. ImageList_AddMasked blackens the masked pixels of the
  // bitmap it is given, and the caller's bitmap (perhaps shared by the image
  // cache or a skin) must not change, so a copy goes in.
  UniqueBitmap copy(static_cast<HBITMAP>(BlendImage(image, BlendSettings{}, 0)));
  return copy && ImageList_AddMasked(list, copy.get(), kButtonMaskColour) >= 0;
}

UniqueImageList MakeButtonImageList(int width, int height, HANDLE image) {
  if (!image || width <= 0 || height <= 0) return UniqueImageList();
  UniqueImageList list(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 0));
  if (!list || !AddButtonImage(list.get(), image)) return UniqueImageList();
  return list;
}

bool HoldsImage(HIMAGELIST list) { return list && ImageList_GetImageCount(list) > 0; }

}  // namespace kelvra
