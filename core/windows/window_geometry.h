// Window arithmetic on numbers that callers and the system hand in: done in 64
// bits and clamped, so no size, limit or position can overflow. Pure: no Win32
// types.
#pragma once

#include <cstdint>

namespace kelvra {

int32_t ClampToInt32(int64_t value);

// The largest client width or height OpenWindowEx asks for: room is left for the
// frame that AdjustWindowRectEx adds on top.
inline constexpr int32_t kMaxClientExtent = INT32_MAX / 2;

// The start that centres `length` within an area of `areaLength` from `areaStart`;
// a length larger than the area starts before it.
int32_t CentredStart(int64_t areaStart, int64_t areaLength, int64_t length);

// One axis of a window's size limits (0 = no limit): a size below the minimum or
// above the maximum is brought to it, and a window sized from its leading edge
// (`moves`, with the new position past `current` when growing to the minimum, or
// before it when shrinking to the maximum) keeps its trailing edge.
void LimitAxis(int32_t& size, int32_t& position, int32_t current, int32_t minimum, int32_t maximum, bool moves);

}  // namespace kelvra
