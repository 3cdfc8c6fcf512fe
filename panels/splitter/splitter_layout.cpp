// Splitter layout arithmetic: one axis-neutral placement (the drag axis and the
// axis across it), mapped onto x and y by the orientation.
#include "panels/splitter/splitter_layout.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// A gadget's paddings seen along the drag axis (near and far) and across it.
struct AxisEdges {
  int32_t nearAlong, farAlong, nearAcross, farAcross;
};

AxisEdges AlongAxis(const SplitterEdges& e, bool stacked) {
  return stacked ? AxisEdges{e.top, e.bottom, e.left, e.right} : AxisEdges{e.left, e.right, e.top, e.bottom};
}

// A rectangle given along and across the drag axis. A size that the paddings
// make negative is none: the window system takes it as 0 all the same.
SplitterBox Box(bool stacked, int32_t along, int32_t across, int32_t alongSize, int32_t acrossSize) {
  alongSize = std::max(alongSize, 0);
  acrossSize = std::max(acrossSize, 0);
  return stacked ? SplitterBox{across, along, acrossSize, alongSize} : SplitterBox{along, across, alongSize, acrossSize};
}

int32_t AlongExtent(const SplitterMetrics& m, int32_t width, int32_t height) { return m.stacked ? height : width; }
int32_t AcrossExtent(const SplitterMetrics& m, int32_t width, int32_t height) { return m.stacked ? width : height; }

// The bar's skin size across the axis; 0 spans the container.
int32_t BarSpan(const SplitterMetrics& m) { return m.stacked ? m.barWidth : m.barHeight; }

// The limits, in the order that decides which wins when they disagree (the
// second gadget's, last, over the first's), then the collapsed sides.
int32_t LimitBarStart(const SplitterMetrics& m, int32_t start, int32_t extent) {
  const int32_t thickness = BarThickness(m);
  if (start < 0) start = 0;
  if (start > extent - thickness) start = extent - thickness;
  if (start < m.firstMinimum) start = m.firstMinimum;
  if (m.firstMaximum && m.firstMaximum < start) start = m.firstMaximum;
  if (m.secondMinimum && extent - m.secondMinimum < start + thickness) start = extent - m.secondMinimum - thickness;
  if (m.secondMaximum && start + thickness < extent - m.secondMaximum) start = extent - m.secondMaximum - thickness;
  if (m.firstCollapsed) return -thickness;
  if (m.secondCollapsed) return extent;
  return start;
}

// The three rectangles for a bar already limited to `start`.
SplitterPlacement Place(const SplitterMetrics& m, int32_t start, int32_t width, int32_t height) {
  const int32_t along = AlongExtent(m, width, height);
  const int32_t across = AcrossExtent(m, width, height);
  const int32_t thickness = BarThickness(m);

  int32_t span = BarSpan(m) ? BarSpan(m) : across;
  int32_t spanStart = across / 2 - span / 2;
  if (spanStart < 0) {
    spanStart = 0;
    span = across;
  }

  const AxisEdges a = AlongAxis(m.firstPadding, m.stacked);
  const AxisEdges b = AlongAxis(m.secondPadding, m.stacked);
  SplitterPlacement out;
  out.bar = Box(m.stacked, start, spanStart, thickness, span);
  out.first = Box(m.stacked, a.nearAlong, a.nearAcross, start - a.farAlong - a.nearAlong,
                  across - a.farAcross - a.nearAcross);
  out.second = Box(m.stacked, start + thickness + b.nearAlong, b.nearAcross,
                   along - thickness - start - b.farAlong - b.nearAlong, across - b.farAcross - b.nearAcross);
  return out;
}

}  // namespace

int32_t BarThickness(const SplitterMetrics& m) { return m.stacked ? m.barHeight : m.barWidth; }

int32_t SnapModeFromFlags(uint32_t flags) {
  for (int32_t mode : {kSnapTop, kSnapLeft, kSnapBottom, kSnapRight})
    if (flags & static_cast<uint32_t>(mode)) return mode;
  return 0;
}

double StartPosition(uint32_t flags) {
  if (!(flags & kSplitterStartSnapped)) return 50.0;
  const int32_t mode = SnapModeFromFlags(flags);
  if (mode == kSnapTop || mode == kSnapLeft) return 0.0;
  if (mode == kSnapBottom || mode == kSnapRight) return 100.0;
  return 50.0;
}

int32_t BarStartForPosition(const SplitterMetrics& m, double position, int32_t size) {
  size = std::max(size, 1);
  return static_cast<int32_t>(std::lround(position / (100.0 / size))) - BarThickness(m) / 2;
}

SplitterPlacement LayOutSplitter(const SplitterMetrics& m, double position, int32_t width, int32_t height,
                                 int32_t size) {
  const int32_t start = LimitBarStart(m, BarStartForPosition(m, position, size), AlongExtent(m, width, height));
  return Place(m, start, width, height);
}

SplitterPlacement MoveSplitterBar(const SplitterMetrics& m, int32_t pointer, int32_t barStart, int32_t& grabOffset,
                                  int32_t width, int32_t height) {
  if (grabOffset < 0) grabOffset = pointer - barStart;
  const int32_t start = LimitBarStart(m, pointer - grabOffset, AlongExtent(m, width, height));
  return Place(m, start, width, height);
}

double PositionForBar(const SplitterMetrics& m, int32_t barStart, int32_t width, int32_t height) {
  const int32_t extent = std::max(AlongExtent(m, width, height), 1);
  const int32_t thickness = BarThickness(m);
  if (barStart == 0) return 0.0;
  if (barStart + thickness == extent) return 100.0;
  // The layout places the bar at round(position * size / 100) - thickness / 2 in
  // integers: the inverse must halve the same way, or an odd thickness moves the
  // bar a pixel at every re-layout.
  return static_cast<double>(barStart + thickness / 2) * 100.0 / extent;
}

SplitterRelayout RelayOutSplitter(const SplitterMetrics& m, double position, std::optional<int32_t> target,
                                  int32_t width, int32_t height) {
  const int32_t extent = AlongExtent(m, width, height);
  const int32_t wanted = target ? *target : BarStartForPosition(m, position, extent);
  int32_t grab = 0;
  SplitterRelayout out;
  out.placement = MoveSplitterBar(m, wanted, 0, grab, width, height);
  out.position = position;
  if (!m.firstCollapsed && !m.secondCollapsed) {
    const int32_t start = m.stacked ? out.placement.bar.y : out.placement.bar.x;
    out.position = PositionForBar(m, start, width, height);
  }
  return out;
}

SnapOutcome ReleaseOnSnap(const SplitterMetrics& m, const SnapRelease& r) {
  const int32_t thickness = BarThickness(m);
  const int32_t right = r.bar.x + r.bar.width;
  const int32_t bottom = r.bar.y + r.bar.height;
  bool snapped = false;
  int32_t distance = 0;  // of the bar from the snap side
  switch (r.mode) {
    case kSnapLeft:
      snapped = r.bar.x == 0 || r.bar.x == m.firstMinimum;
      distance = r.bar.x;
      break;
    case kSnapTop:
      snapped = r.bar.y == 0 || r.bar.y == m.firstMinimum;
      distance = r.bar.y;
      break;
    case kSnapRight:
      snapped = right == r.width || right == r.width - m.secondMinimum;
      distance = r.width - right;
      break;
    case kSnapBottom:
      snapped = bottom == r.height || bottom == r.height - m.secondMinimum;
      distance = r.height - bottom;
      break;
    default: return SnapOutcome{false, r.restore, std::nullopt};
  }
  const bool firstSide = r.mode == kSnapLeft || r.mode == kSnapTop;
  const int32_t extent = r.mode == kSnapLeft || r.mode == kSnapRight ? r.width : r.height;

  SnapOutcome out;
  out.restore = r.restore;
  if (!r.click) {
    // A drag: where it ended is where a later click comes back to.
    out.restore = distance;
    out.snapped = false;
    return out;
  }
  if (!snapped) {
    out.snapped = true;
    if (!out.restore) out.restore = distance;
    // The snap-side gadget at its minimum.
    out.target = firstSide ? m.firstMinimum : extent - thickness - m.secondMinimum;
    return out;
  }
  out.snapped = false;
  if (out.restore) {
    out.target = firstSide ? out.restore : extent - out.restore - thickness;
  } else if (firstSide) {
    // The snap-side gadget as large as the limits let it be.
    out.target = m.firstMaximum ? m.firstMaximum : extent;
  } else {
    out.target = m.secondMaximum ? extent - m.secondMaximum - thickness : 0;
  }
  return out;
}

}  // namespace kelvra
