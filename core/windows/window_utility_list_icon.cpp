// Sub-item icons of list views, through the ListIconCache: each icon is added to a
// list view's small image list once, and its index is remembered per list view.
#include <windows.h>
#include <commctrl.h>

#include <mutex>
#include <unordered_map>

#include "core/windows/window_utility.h"

namespace kelvra {

namespace {

// What one list view's small image list holds of the icons given to it. Keyed by
// the list view window, not by image list: a list view's image list is freed with
// the window, and a new list made at the freed one's address must not inherit its
// indices.
struct ListViewIcons {
  HIMAGELIST imageList = nullptr;  // the list the indices belong to
  std::unordered_map<HICON, int> indices;
};

struct ListIconCacheState {
  std::mutex mutex;
  std::unordered_map<HWND, ListViewIcons> windows;
};

ListIconCacheState& ListIconCache() {
  static ListIconCacheState* cache = new ListIconCacheState();
  return *cache;
}

int ImageIndexFor(HWND listView, HIMAGELIST imageList, HICON icon) {
  ListIconCacheState& cache = ListIconCache();
  std::lock_guard<std::mutex> guard(cache.mutex);
  // List views that are gone take their records with them.
  std::erase_if(cache.windows, [](const auto& entry) { return !IsWindow(entry.first); });
  ListViewIcons& icons = cache.windows[listView];
  if (icons.imageList != imageList) {  // the list view was given another image list
    icons.imageList = imageList;
    icons.indices.clear();
  }
  if (auto found = icons.indices.find(icon); found != icons.indices.end()) {
    // The application may have emptied the list since: an index past its end is
    // added again rather than handed to the list view.
    if (found->second < ImageList_GetImageCount(imageList)) return found->second;
    icons.indices.erase(found);
  }
  const int index = ImageList_ReplaceIcon(imageList, -1, icon);
  if (index >= 0) icons.indices.emplace(icon, index);
  return index;
}

}  // namespace

size_t ListIconCacheWindowCount() {
  ListIconCacheState& cache = ListIconCache();
  std::lock_guard<std::mutex> guard(cache.mutex);
  return cache.windows.size();
}

bool SetListViewSubItemIcon(HWND listView, int item, int subItem, HICON icon) {
  // A broadcast handle (-1, 0xFFFF) would ask every top-level window for an image list.
  if (!IsWindow(listView)) return false;
  const auto imageList = reinterpret_cast<HIMAGELIST>(SendMessageW(listView, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  if (!imageList || !icon) return false;
  SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES, LVS_EX_SUBITEMIMAGES);
  const int index = ImageIndexFor(listView, imageList, icon);
  if (index < 0) return false;
  LVITEMW entry{};
  entry.mask = LVIF_IMAGE;
  entry.iItem = item;
  entry.iSubItem = subItem;
  entry.iImage = index;
  return SendMessageW(listView, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&entry)) != 0;
}

}  // namespace kelvra
