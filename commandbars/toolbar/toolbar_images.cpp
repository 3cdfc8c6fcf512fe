// Icons into a toolbar's image lists, moved to their button's index, and the
// buttons' image indexes kept equal to their own.
#include "commandbars/toolbar/toolbar_images.h"

#include "core/image/bitmap_conversion.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

// Larger bitmaps than any toolbar image are taken for a mistake: turning one into
// an icon would make an image list of its size first.
constexpr LONG kMaxBitmapSide = 1024;

// A handle that is no icon may still be a bitmap the caller passed as an image.
UniqueIcon IconFromBitmap(HANDLE image) {
  if (!image || GetObjectType(image) != OBJ_BITMAP) return UniqueIcon();
  BITMAP bitmap{};
  if (!GetObjectW(image, sizeof(bitmap), &bitmap) || bitmap.bmWidth > kMaxBitmapSide ||
      bitmap.bmHeight > kMaxBitmapSide)
    return UniqueIcon();
  return UniqueIcon(BitmapToIcon(static_cast<HBITMAP>(image)));
}

}  // namespace

int AppendToolBarExIcon(HIMAGELIST list, HANDLE image) {
  if (!list || !image) return -1;
  // GetObjectType tells an icon from nothing at no cost; ImageList_ReplaceIcon
  // would only refuse a non-icon after a round trip of its own.
  if (GetObjectType(image) != OBJ_BITMAP) {
    const int index = ImageList_ReplaceIcon(list, -1, static_cast<HICON>(image));
    if (index >= 0) return index;
  }
  UniqueIcon converted = IconFromBitmap(image);
  return converted ? ImageList_ReplaceIcon(list, -1, converted.get()) : -1;
}

bool ReplaceToolBarExIcon(HIMAGELIST list, int index, HANDLE image) {
  if (!list || !image || index < 0) return false;
  if (GetObjectType(image) != OBJ_BITMAP && ImageList_ReplaceIcon(list, index, static_cast<HICON>(image)) >= 0)
    return true;
  UniqueIcon converted = IconFromBitmap(image);
  return converted && ImageList_ReplaceIcon(list, index, converted.get()) >= 0;
}

bool InsertImageListIconAt(HIMAGELIST list, HANDLE image, int index) {
  if (!list || !image) return false;
  const int last = ImageList_GetImageCount(list) - 1;
  if (index < 0) index = 0;
  if (index >= last) return true;
  // The images from `index` on move up by one, each a blit within the list, and
  // the image is written again at its place. (Taking the last image back out as
  // an icon would lose its alpha: drawn again it shows nothing.)
  for (int i = last; i > index; --i)
    if (!ImageList_Copy(list, i, list, i - 1, ILCF_MOVE)) return false;
  return ReplaceToolBarExIcon(list, index, image);
}

void RenumberToolBarExImages(HWND toolbar, int first) {
  const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int index = first < 0 ? 0 : first; index < count; ++index) {
    TBBUTTON button{};
    if (!SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) continue;
    if (button.iBitmap == I_IMAGENONE || button.iBitmap == index) continue;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_IMAGE | TBIF_BYINDEX;
    info.iImage = index;
    SendMessageW(toolbar, TB_SETBUTTONINFOW, index, reinterpret_cast<LPARAM>(&info));
  }
}

}  // namespace kelvra
