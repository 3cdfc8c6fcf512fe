// The page brush cache.
#include "panels/page/page_brush_cache.h"

#include <vector>

#include "core/library/reentrant_lock.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

struct PageBrush {
  HWND page;
  HWND control;
  UniqueBrush brush;
};

std::vector<PageBrush>& Cache() {
  static std::vector<PageBrush> cache;
  return cache;
}

}  // namespace

HBRUSH FindPageBrush(HWND page, HWND control) {
  LockGuard guard(Locks().windowMap);
  if (!guard) return nullptr;
  for (const PageBrush& entry : Cache())
    if (entry.page == page && entry.control == control) return entry.brush.get();
  return nullptr;
}

bool CachePageBrush(HWND page, HWND control, HBRUSH brush) {
  UniqueBrush owned(brush);
  LockGuard guard(Locks().windowMap);
  if (!guard) return false;
  Cache().push_back({page, control, std::move(owned)});
  return true;
}

void EmptyPageBrushCache() {
  LockGuard guard(Locks().windowMap);
  if (guard) Cache().clear();
}

}  // namespace kelvra
