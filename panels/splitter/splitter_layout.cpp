// Splitter layout arithmetic: one axis-neutral placement (the drag axis and the
// axis across it), mapped onto x and y by the orientation.
#include "panels/splitter/splitter_layout.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// The arithmetic runs in 64 bits: limits, paddings and sizes come from callers
// and skins, and sums of such values must not overflow. Results are kept to a
// range windows can take (the system clamps coordinates far inside it anyway).
using Wide = int64_t;
constexpr Wide kCoordinateLimit = Wide{1} << 30;

int32_t Narrow(Wide value) { return static_cast<int32_t>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)); }

// A gadget's paddings seen along the drag axis (near and far) and across it.
struct AxisEdges {
  Wide nearAlong, farAlong, nearAcross, farAcross;
};

AxisEdges AlongAxis(const SplitterEdges& e, bool stacked) {
  return stacked ? AxisEdges{e.top, e.bottom, e.left, e.right} : AxisEdges{e.left, e.right, e.top, e.bottom};
}

// A rectangle given along and across the drag axis. A size that the paddings
// make negative is none: the window system takes it as 0 all the same.
SplitterBox Box(bool stacked, Wide along, Wide across, Wide alongSize, Wide acrossSize) {
  const int32_t a = Narrow(along), c = Narrow(across);
  const int32_t aSize = Narrow(std::max<Wide>(alongSize, 0)), cSize = Narrow(std::max<Wide>(acrossSize, 0));
  return stacked ? SplitterBox{c, a, cSize, aSize} : SplitterBox{a, c, aSize, cSize};
}

Wide AlongExtent(const SplitterMetrics& m, int32_t width, int32_t height) { return m.stacked ? height : width; }
Wide AcrossExtent(const SplitterMetrics& m, int32_t width, int32_t height) { return m.stacked ? width : height; }

// The bar's skin size across the axis; 0 spans the container.
Wide BarSpan(const SplitterMetrics& m) { return m.stacked ? m.barWidth : m.barHeight; }

// The limits, in the order that decides which wins when they disagree (the
// second gadget's, last, over the first's), then the collapsed sides.
Wide LimitBarStart(const SplitterMetrics& m, Wide start, Wide extent) {
  const Wide thickness = BarThickness(m);
  const Wide firstMinimum = m.firstMinimum, firstMaximum = m.firstMaximum;
  const Wide secondMinimum = m.secondMinimum, secondMaximum = m.secondMaximum;
  if (start < 0) start = 0;
  if (start > extent - thickness) start = extent - thickness;
  if (start < firstMinimum) start = firstMinimum;
  if (firstMaximum && firstMaximum < start) start = firstMaximum;
  if (secondMinimum && extent - secondMinimum < start + thickness) start = extent - secondMinimum - thickness;
  if (secondMaximum && start + thickness < extent - secondMaximum) start = extent - secondMaximum - thickness;
  if (m.firstCollapsed) return -thickness;
  if (m.secondCollapsed) return extent;
  return start;
}

// The three rectangles for a bar already limited to `start`.
SplitterPlacement Place(const SplitterMetrics& m, Wide start, int32_t width, int32_t height) {
  const Wide along = AlongExtent(m, width, height);
  const Wide across = AcrossExtent(m, width, height);
  const Wide thickness = BarThickness(m);

  Wide span = BarSpan(m) ? BarSpan(m) : across;
  Wide spanStart = across / 2 - span / 2;
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
  // A position is kept between 0 and 100; a stray one still lands on a number.
  const double along = std::clamp(position / (100.0 / size), -1e9, 1e9);
  return Narrow(static_cast<Wide>(std::llround(along)) - BarThickness(m) / 2);
}

SplitterPlacement LayOutSplitter(const SplitterMetrics& m, double position, int32_t width, int32_t height,
                                 int32_t size) {
  return Place(m, LimitBarStart(m, BarStartForPosition(m, position, size), AlongExtent(m, width, height)), width,
               height);
}

SplitterPlacement MoveSplitterBar(const SplitterMetrics& m, int32_t pointer, int32_t barStart, int32_t& grabOffset,
                                  int32_t width, int32_t height) {
  if (grabOffset < 0) grabOffset = Narrow(Wide{pointer} - barStart);
  return Place(m, LimitBarStart(m, Wide{pointer} - grabOffset, AlongExtent(m, width, height)), width, height);
}

double PositionForBar(const SplitterMetrics& m, int32_t barStart, int32_t width, int32_t height) {
  const Wide extent = std::max<Wide>(AlongExtent(m, width, height), 1);
  const Wide thickness = BarThickness(m);
  if (barStart == 0) return 0.0;
  if (barStart + thickness == extent) return 100.0;
  // The layout places the bar at round(position * size / 100) - thickness / 2 in
  // integers: the inverse must halve the same way, or an odd thickness moves the
  // bar a pixel at every re-layout.
  return static_cast<double>(barStart + thickness / 2) * 100.0 / static_cast<double>(extent);
}

SplitterRelayout RelayOutSplitter(const SplitterMetrics& m, double position, std::optional<int32_t> target,
                                  int32_t width, int32_t height) {
  const int32_t extent = Narrow(AlongExtent(m, width, height));
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
  const Wide thickness = BarThickness(m);
  const Wide left = r.bar.x, top = r.bar.y;
  const Wide right = left + r.bar.width, bottom = top + r.bar.height;
  const Wide width = r.width, height = r.height;
  const Wide firstMinimum = m.firstMinimum, secondMinimum = m.secondMinimum;
  bool snapped = false;
  Wide distance = 0;  // of the bar from the snap side
  switch (r.mode) {
    case kSnapLeft:
      snapped = left == 0 || left == firstMinimum;
      distance = left;
      break;
    case kSnapTop:
      snapped = top == 0 || top == firstMinimum;
      distance = top;
      break;
    case kSnapRight:
      snapped = right == width || right == width - secondMinimum;
      distance = width - right;
      break;
    case kSnapBottom:
      snapped = bottom == height || bottom == height - secondMinimum;
      distance = height - bottom;
      break;
    default: return SnapOutcome{false, r.restore, std::nullopt};
  }
  const bool firstSide = r.mode == kSnapLeft || r.mode == kSnapTop;
  const Wide extent = r.mode == kSnapLeft || r.mode == kSnapRight ? width : height;

  SnapOutcome out;
  out.restore = r.restore;
  if (!r.click) {
    // A drag: where it ended is where a later click comes back to.
    out.restore = Narrow(distance);
    out.snapped = false;
    return out;
  }
  if (!snapped) {
    out.snapped = true;
    if (!out.restore) out.restore = Narrow(distance);
    // The snap-side gadget at its minimum.
    out.target = Narrow(firstSide ? firstMinimum : extent - thickness - secondMinimum);
    return out;
  }
  out.snapped = false;
  const Wide restore = out.restore;
  if (restore) {
    out.target = Narrow(firstSide ? restore : extent - restore - thickness);
  } else if (firstSide) {
    // The snap-side gadget as large as the limits let it be.
    out.target = Narrow(m.firstMaximum ? Wide{m.firstMaximum} : extent);
  } else {
    out.target = Narrow(m.secondMaximum ? extent - m.secondMaximum - thickness : 0);
  }
  return out;
}

}  // namespace kelvra
