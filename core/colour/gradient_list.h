// The GradientList and the operations on one gradient. A gradient's handle is
// its record's address; every operation first finds the handle in the list.
// Thread safety: user-interface thread only, no lock (asserted in debug builds).
// The gradient exports are the application's, made on its user-interface thread,
// and gradients are painted in WM_PAINT, which Windows runs on the thread that owns
// the window: a gradient is never read while another thread changes or frees it.
#pragma once

#include <cstdint>

#include "core/library/control_list.h"
#include "core/colour/gradient_record.h"

namespace kelvra {

ControlList<GradientRecord>& GradientList();
// The record of a handle, nullptr for one that is not (or no longer) in the list.
GradientRecord* FindGradient(const void* handle);

GradientRecord* AddGradient(int32_t type, uint32_t startColour, uint32_t endColour);
// Start/end colour at exactly 0.0/1.0, otherwise the stop at that position
// (replaced, or inserted in order).
void SetGradientStop(GradientRecord& gradient, float position, uint32_t colour);
// The colour at exactly that position; -1 when there is none.
int32_t GradientColourAt(const GradientRecord& gradient, float position);
// -1.0 clears every stop (true); otherwise true when a stop at position was removed.
bool RemoveGradientStop(GradientRecord& gradient, float position);

}  // namespace kelvra
