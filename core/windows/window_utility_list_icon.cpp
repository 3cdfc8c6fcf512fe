// Sub-item icons of list views, through the ListIconCache: each icon is added to a
// list view's small image list once, and its index is remembered per image list.
#include <windows.h>
#include <commctrl.h>

#include <mutex>

#include "core/library/control_list.h"
#include "core/windows/window_utility.h"

namespace kelvra {

namespace {

struct ListIconRecord {
  HIMAGELIST imageList;
  HICON icon;
  int index;
};

// Keyed by image list and icon together: an index only means something in the
// list it was added to.
ControlList<ListIconRecord>& ListIconCache() {
  static ControlList<ListIconRecord>* cache = new ControlList<ListIconRecord>();
  return *cache;
}

std::mutex& ListIconCacheMutex() {
  static std::mutex* mutex = new std::mutex();
  return *mutex;
}

int ImageIndexFor(HIMAGELIST imageList, HICON icon) {
  std::lock_guard<std::mutex> guard(ListIconCacheMutex());
  auto& cache = ListIconCache();
  for (auto& record : cache) {
    if (record.imageList != imageList || record.icon != icon) continue;
    // The application may have emptied the list since: an index past its end is
    // added again rather than handed to the list view.
    if (record.index < ImageList_GetImageCount(imageList)) return record.index;
    cache.Remove(&record);
    break;
  }
  const int index = ImageList_ReplaceIcon(imageList, -1, icon);
  if (index >= 0) cache.Emplace(ListIconRecord{imageList, icon, index});
  return index;
}

}  // namespace

bool SetListViewSubItemIcon(HWND listView, int item, int subItem, HICON icon) {
  // A broadcast handle (-1, 0xFFFF) would ask every top-level window for an image list.
  if (!IsWindow(listView)) return false;
  const auto imageList = reinterpret_cast<HIMAGELIST>(SendMessageW(listView, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  if (!imageList || !icon) return false;
  SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES, LVS_EX_SUBITEMIMAGES);
  const int index = ImageIndexFor(imageList, icon);
  if (index < 0) return false;
  LVITEMW entry{};
  entry.mask = LVIF_IMAGE;
  entry.iItem = item;
  entry.iSubItem = subItem;
  entry.iImage = index;
  return SendMessageW(listView, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&entry)) != 0;
}

}  // namespace kelvra
