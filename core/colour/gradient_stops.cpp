// Stop keeping of one gradient: a binary search over the ascending stops.
#include "core/colour/gradient_stops.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace kelvra {

namespace {

// The last stop of a position other than NaN at or before index `last`, searching
// no lower than `first`; stops.size() when there is none.
size_t OrderedStopAtOrBefore(const std::vector<GradientStop>& stops, size_t first, size_t last) {
  for (size_t i = last + 1; i > first; --i)
    if (!std::isnan(stops[i - 1].position)) return i - 1;
  return stops.size();
}

// The index of the first stop whose position is greater than x (stops.size() when
// none is): where a new stop goes, the same place a walk from the first stop finds.
// The ordered stops ascend, so "some ordered stop at or before i is greater than x"
// turns true once and stays true; a NaN stop between them is judged by the ordered
// stop before it.
size_t FirstStopAbove(const std::vector<GradientStop>& stops, float x) {
  if (std::isnan(x)) return stops.size();
  size_t low = 0;
  size_t high = stops.size();
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    const size_t ordered = OrderedStopAtOrBefore(stops, low, middle);
    if (ordered != stops.size() && stops[ordered].position > x)
      high = ordered;
    else
      low = middle + 1;
  }
  return low;
}

// The stop at exactly x, given FirstStopAbove(stops, x); stops.size() when none has
// it. With no duplicates it can only be the last ordered stop before that one.
size_t StopAt(const std::vector<GradientStop>& stops, size_t above, float x) {
  if (above == 0) return stops.size();
  const size_t candidate = OrderedStopAtOrBefore(stops, 0, above - 1);
  return candidate != stops.size() && stops[candidate].position == x ? candidate : stops.size();
}

size_t StopAt(const std::vector<GradientStop>& stops, float x) { return StopAt(stops, FirstStopAbove(stops, x), x); }

}  // namespace

void SetGradientStop(GradientRecord& gradient, float position, uint32_t colour) {
  if (position == 0.0f) {
    gradient.startColour = colour;
    return;
  }
  if (position == 1.0f) {
    gradient.endColour = colour;
    return;
  }
  auto& stops = gradient.stops;
  const size_t above = FirstStopAbove(stops, position);
  const size_t existing = StopAt(stops, above, position);
  if (existing != stops.size()) {
    stops[existing].colour = colour;
    return;
  }
  stops.insert(stops.begin() + static_cast<std::ptrdiff_t>(above), GradientStop{colour, position});
}

int32_t GradientColourAt(const GradientRecord& gradient, float position) {
  if (position == 0.0f) return static_cast<int32_t>(gradient.startColour);
  if (position == 1.0f) return static_cast<int32_t>(gradient.endColour);
  const size_t at = StopAt(gradient.stops, position);
  return at == gradient.stops.size() ? -1 : static_cast<int32_t>(gradient.stops[at].colour);
}

bool RemoveGradientStop(GradientRecord& gradient, float position) {
  if (position == -1.0f) {
    gradient.stops.clear();
    return true;
  }
  const size_t at = StopAt(gradient.stops, position);
  if (at == gradient.stops.size()) return false;
  gradient.stops.erase(gradient.stops.begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

}  // namespace kelvra
