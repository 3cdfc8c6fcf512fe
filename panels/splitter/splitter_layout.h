// Where a splitter's bar and its two gadgets go: the resize layout, a bar move
// (drag step or attribute), the percentage kept between sizes and the
// click-to-snap decisions. Pure functions of the record's values and the
// container's size, returning the three rectangles that one deferred batch then
// commits. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvra {

// SplitterExFlags.
inline constexpr uint32_t kSplitterStacked = 0x1;
inline constexpr uint32_t kSplitterStartSnapped = 0x1000;
// Click-to-snap modes, in the order in which the flags choose one.
inline constexpr int32_t kSnapTop = 0x10000;
inline constexpr int32_t kSnapLeft = 0x20000;
inline constexpr int32_t kSnapBottom = 0x40000;
inline constexpr int32_t kSnapRight = 0x80000;

struct SplitterBox {
  int32_t x = 0, y = 0, width = 0, height = 0;
  bool operator==(const SplitterBox&) const = default;
};

struct SplitterEdges {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const SplitterEdges&) const = default;
};

// What the layout needs of a splitter, in its own orientation.
struct SplitterMetrics {
  bool stacked = false;
  // The skin's bar size of this orientation. Side by side the width is the bar's
  // thickness and a height of 0 spans the container; stacked the other way round.
  int32_t barWidth = 0, barHeight = 0;
  SplitterEdges firstPadding, secondPadding;
  int32_t firstMinimum = 0, firstMaximum = 0;    // maximum 0: none
  int32_t secondMinimum = 0, secondMaximum = 0;
  bool firstCollapsed = false, secondCollapsed = false;
};

struct SplitterPlacement {
  SplitterBox bar, first, second;
  bool operator==(const SplitterPlacement&) const = default;
};

// The bar's size along the drag axis.
int32_t BarThickness(const SplitterMetrics& metrics);

// The snap mode the flags choose (0 for none), and the position a splitter
// starts at: 50, or with kSplitterStartSnapped 0 or 100 by the snap side.
int32_t SnapModeFromFlags(uint32_t flags);
double StartPosition(uint32_t flags);

// The bar's left (top when stacked) for a position kept as a percentage of
// `size` (at least 1 is used).
int32_t BarStartForPosition(const SplitterMetrics& metrics, double position, int32_t size);

// The container's resize: the bar where the position puts it, within the
// limits, collapsed sides honoured. `width` x `height` is the container's client
// size, `size` its width (height when stacked) as its window rectangle gives it.
SplitterPlacement LayOutSplitter(const SplitterMetrics& metrics, double position, int32_t width, int32_t height,
                                 int32_t size);

// One move of the bar to the pointer (`pointer` along the drag axis, in the
// container page). A negative grab offset is taken now from the bar's current
// start (`barStart`) and written back, so the bar keeps its place under the
// pointer for the rest of the drag.
SplitterPlacement MoveSplitterBar(const SplitterMetrics& metrics, int32_t pointer, int32_t barStart,
                                  int32_t& grabOffset, int32_t width, int32_t height);

// The re-layout after an attribute changed: the bar goes to `target` (the bar
// position attribute) or to where the position puts it, then, unless a side is
// collapsed, the position is taken from the bar's new place with the layout's
// own arithmetic, so that a layout at the same size puts it back exactly there.
struct SplitterRelayout {
  SplitterPlacement placement;
  double position = 50.0;
};
SplitterRelayout RelayOutSplitter(const SplitterMetrics& metrics, double position, std::optional<int32_t> target,
                                  int32_t width, int32_t height);

// The position (percent) that puts the bar at `barStart` in a page of `width`
// x `height`.
double PositionForBar(const SplitterMetrics& metrics, int32_t barStart, int32_t width, int32_t height);

// A release of the left button on a splitter with a snap mode.
struct SnapRelease {
  int32_t mode = 0;            // kSnapTop .. kSnapRight
  SplitterBox bar;             // the bar's rectangle in the container page
  int32_t width = 0, height = 0;  // the container page's client size
  bool click = false;          // released where it was pressed, along the drag axis
  int32_t restore = 0;         // saved distance from the snap side; 0: none
};
struct SnapOutcome {
  bool snapped = false;
  int32_t restore = 0;
  std::optional<int32_t> target;  // where the bar goes (its left or top), if it moves
};
// `metrics` gives the limits and the bar's thickness.
SnapOutcome ReleaseOnSnap(const SplitterMetrics& metrics, const SnapRelease& release);

}  // namespace kelvra
