// 64-bit window arithmetic: clamping, centring and size limits.
#include "core/windows/window_geometry.h"

#include <algorithm>

namespace kelvra {

int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int32_t CentredStart(int64_t areaStart, int64_t areaLength, int64_t length) {
  return ClampToInt32(areaStart + (areaLength - length) / 2);
}

void LimitAxis(int32_t& size, int32_t& position, int32_t current, int32_t minimum, int32_t maximum, bool moves) {
  if (minimum > 0 && size < minimum) {
    if (moves && position > current) position = ClampToInt32(int64_t{position} - (int64_t{minimum} - size));
    size = minimum;
  } else if (maximum > 0 && size > maximum) {
    if (moves && position < current) position = ClampToInt32(int64_t{position} + (int64_t{size} - maximum));
    size = maximum;
  }
}

}  // namespace kelvra
