// The WindowMap: one WindowMapEntry for every window the creation hook registered
// or LimitWindowSize limited. Every call expects Locks().windowMap to be held.
#pragma once

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <unordered_map>

#include "core/windows/window_map_kind.h"

namespace kelvra {

struct WindowMapEntry {
  HWND window = nullptr;
  WNDPROC savedProcedure = nullptr;  // what CommonSubclassProc passes on to; 0 = never subclassed
  HWND parentPage = nullptr;         // the parent as last seen on WM_SHOWWINDOW
  int32_t kind = WindowKindOther;
  uint8_t transparentChild = 0;      // PanelEx windows: click-through while on a panel page
  int32_t minimumWidth = 0, minimumHeight = 0;  // 0 = no limit
  int32_t maximumWidth = 0, maximumHeight = 0;
  // Moves on with each paint and erase of the window that CommonSubclassProc
  // sees, to a value no window had before: what was kept of the window's drawing
  // (a parent's background under the pages over it) is stale once it moved on.
  uint32_t paintEpoch = 0;
};

// Keyed by the window handle. Entry addresses stay valid until their own entry is
// removed, but code that lets messages run (and so lets a window be destroyed)
// must look its entry up again afterwards.
class WindowMap {
 public:
  WindowMap() { entries_.reserve(10000); }  // sized for the windows of a large application
  // Adding a window that is present returns its entry unchanged, so the hook and
  // LimitWindowSize keep each other's data.
  WindowMapEntry& Add(HWND window);
  WindowMapEntry* Find(HWND window);
  bool Remove(HWND window);
  std::size_t Size() const { return entries_.size(); }

  // Walks every entry; the visitor returns true to remove the entry it was given.
  template <class Visitor>
  void RemoveIf(Visitor&& visit) {
    for (auto it = entries_.begin(); it != entries_.end();) it = visit(it->second) ? entries_.erase(it) : std::next(it);
  }

 private:
  std::unordered_map<HWND, WindowMapEntry> entries_;
};

// The process's one map (built on first use, like the locks).
WindowMap& GetWindowMap();

// A paint epoch no window had before.
uint32_t NextPaintEpoch();

// Counts the theme, system colour and settings changes that CommonSubclassProc
// saw: every window may draw differently after one.
uint32_t& WindowLookEpoch();

// The kind of a registered window, WindowKindOther when it has no entry.
// Takes Locks().windowMap itself.
int32_t WindowKindOf(HWND window);

// The class code of a live window, from its class, its parent's class and style.
WindowKind ClassifyWindow(HWND window);

}  // namespace kelvra
