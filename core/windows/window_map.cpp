// The WindowMap and the classification of live windows.
#include "core/windows/window_map.h"

#include <string_view>

#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

// Class names the library compares are short; longer ones match nothing anyway.
std::wstring_view ClassNameOf(HWND window, wchar_t (&buffer)[64]) {
  const int length = window ? GetClassNameW(window, buffer, 64) : 0;
  return std::wstring_view(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

WindowMapEntry& WindowMap::Add(HWND window) {
  auto [it, inserted] = entries_.try_emplace(window);
  if (inserted) it->second.window = window;
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

int32_t WindowKindOf(HWND window) {
  LockGuard guard(Locks().windowMap);
  if (!guard) return WindowKindOther;
  const WindowMapEntry* entry = GetWindowMap().Find(window);
  return entry ? entry->kind : WindowKindOther;
}

WindowKind ClassifyWindow(HWND window) {
  wchar_t own[64], parent[64];
  const auto className = ClassNameOf(window, own);
  // GA_PARENT, not GetParent: an owned top-level window's owner is no parent.
  const auto parentClass = ClassNameOf(GetAncestor(window, GA_PARENT), parent);
  const auto style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
  return KindOfWindowClass(className, parentClass, style);
}

}  // namespace kelvra
