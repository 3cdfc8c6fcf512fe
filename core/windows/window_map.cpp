// The WindowMap and the classification of live windows.
#include "core/windows/window_map.h"

#include "core/library/reentrant_lock.h"
#include "core/windows/window_class_name.h"

namespace kelvra {

WindowMapEntry& WindowMap::Add(HWND window) {
  auto [it, inserted] = entries_.try_emplace(window);
  if (inserted) {
    it->second.window = window;
    it->second.paintEpoch = NextPaintEpoch();
  }
  return it->second;
}

WindowMapEntry* WindowMap::Find(HWND window) {
  auto it = entries_.find(window);
  return it == entries_.end() ? nullptr : &it->second;
}

bool WindowMap::Remove(HWND window) { return entries_.erase(window) != 0; }

WindowMap& GetWindowMap() {
  // Never destroyed: subclassed windows may still send messages while the
  // process winds down.
  static WindowMap* map = new WindowMap();
  return *map;
}

uint32_t NextPaintEpoch() {
  static uint32_t epoch = 0;
  return ++epoch;
}

uint32_t& WindowLookEpoch() {
  static uint32_t epoch = 0;
  return epoch;
}

int32_t WindowKindOf(HWND window) {
  LockGuard guard(Locks().windowMap);
  if (!guard) return WindowKindOther;
  const WindowMapEntry* entry = GetWindowMap().Find(window);
  return entry ? entry->kind : WindowKindOther;
}

WindowKind ClassifyWindow(HWND window) {
  const WindowClassName className(window);
  // GA_PARENT, not GetParent: an owned top-level window's owner is no parent.
  const WindowClassName parentClass(GetAncestor(window, GA_PARENT));
  const auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  return KindOfWindowClass(className.view(), parentClass.view(), style);
}

}  // namespace kelvra
