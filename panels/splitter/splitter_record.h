// The record of a SplitterEx: its two panels (container and bar) with their
// pages, the two gadgets, the bar's sizes and paddings for both orientations,
// the position kept as a percentage, limits, collapsed sides, click-to-snap
// state and the looks read from its skin, which state changes only copy.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/library/control_list.h"
#include "panels/splitter/splitter_layout.h"
#include "panels/page/page_look.h"

namespace kelvra {

// SplitterExVisualState, and the fourth look a skin gives ("disabled"), which
// is kept but never shown.
enum SplitterExVisualState : uint8_t {
  kSplitterNormal = 0,
  kSplitterHot = 1,
  kSplitterPressed = 2,
  kSplitterDisabled = 3,
};
inline constexpr int kSplitterLookCount = 4;

// Sizes and paddings of one orientation, from "gripper size", "first padding"
// and "second padding".
struct SplitterOrientationSizes {
  int32_t barWidth = 0, barHeight = 0;
  SplitterEdges firstPadding, secondPadding;
};

struct SplitterExRecord : ControlHead {  // number, window (the container panel window)
  HWND Container() const { return static_cast<HWND>(window); }

  // The panels' own automatic numbers: panel calls name them by these, never by
  // their windows (a window key also matches an application's panel numbered
  // like it).
  int32_t containerPanel = 0;
  HWND containerPage = nullptr;  // parent of both gadgets and of the bar
  int32_t barPanel = 0;
  HWND bar = nullptr;
  HWND barPage = nullptr;  // its events arrive with it
  HWND first = nullptr, second = nullptr;  // left and right, or top and bottom
  uint32_t flags = 0;  // SplitterExFlags
  uintptr_t skin = 0;
  std::wstring component;
  SplitterOrientationSizes sideBySide, stacked;
  double position = 50.0;  // the bar's centre in percent of the container
  bool firstCollapsed = false, secondCollapsed = false;
  int32_t firstMinimum = 0, firstMaximum = 0, secondMinimum = 0, secondMaximum = 0;
  int32_t snapMode = 0;  // kSnapTop .. kSnapRight, 0 for none
  bool snapped = false;
  int32_t restore = 0;  // distance of the bar from the snap side; 0: none saved
  uint8_t visualState = kSplitterNormal;
  std::array<PageLook, kSplitterLookCount> containerLooks, barLooks;

  // Where this splitter's bar was last pressed, in screen coordinates ((-1, -1):
  // none). Each splitter has its own, so a press on another splitter at the same
  // place still starts a drag.
  POINT pressPoint{-1, -1};
  bool dragging = false;  // a drag of this bar started and has not ended

  bool IsStacked() const { return flags & kSplitterStacked; }
  // What the layout needs, in the current orientation.
  SplitterMetrics Metrics() const {
    const SplitterOrientationSizes& sizes = IsStacked() ? stacked : sideBySide;
    SplitterMetrics m;
    m.stacked = IsStacked();
    m.barWidth = sizes.barWidth;
    m.barHeight = sizes.barHeight;
    m.firstPadding = sizes.firstPadding;
    m.secondPadding = sizes.secondPadding;
    m.firstMinimum = firstMinimum;
    m.firstMaximum = firstMaximum;
    m.secondMinimum = secondMinimum;
    m.secondMaximum = secondMaximum;
    m.firstCollapsed = firstCollapsed;
    m.secondCollapsed = secondCollapsed;
    return m;
  }
};

// SplitterLayoutState: the one drag (or move) laid out at a time, loaded from
// its splitter's record when it starts.
struct SplitterLayoutState {
  HWND containerPage = nullptr;
  HWND bar = nullptr, barPage = nullptr;
  HWND first = nullptr, second = nullptr;
  SplitterMetrics metrics;
  int32_t grabOffset = -1;  // -1: taken at the next move
  int32_t active = 0;       // 1 while a move or drag is laid out, -1 right after a drag ends, 0 idle
  POINT lastPointer{-1, -1};  // screen, as the drag hook last saw it
  int32_t lastAlong = -1;     // the pointer along the drag axis at the last move
  HHOOK hook = nullptr;       // the drag hook while it is installed
  bool stepPosted = false;    // a SplitterDragStepMessage waits at the bar page
};

}  // namespace kelvra
