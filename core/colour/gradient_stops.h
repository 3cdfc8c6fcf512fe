// The operations on one gradient's colours: its end colours and its stops. Pure
// code over the record; the caller has found the gradient in the GradientList.
#pragma once

#include <cstdint>

#include "core/colour/gradient_record.h"

namespace kelvra {

// Start/end colour at exactly 0.0/1.0, otherwise the stop at that position
// (replaced, or inserted in order).
void SetGradientStop(GradientRecord& gradient, float position, uint32_t colour);
// The colour at exactly that position; -1 when there is none.
int32_t GradientColourAt(const GradientRecord& gradient, float position);
// -1.0 clears every stop (true); otherwise true when a stop at position was removed.
bool RemoveGradientStop(GradientRecord& gradient, float position);

}  // namespace kelvra
