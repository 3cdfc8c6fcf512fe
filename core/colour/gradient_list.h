// The GradientList. A gradient's handle is its record's address; every operation
// first finds the handle in the list, then works on the record (gradient_stops.h).
// Thread safety: user-interface thread only, no lock (asserted in debug builds).
// The gradient exports are the application's, made on its user-interface thread,
// and gradients are painted in WM_PAINT, which Windows runs on the thread that owns
// the window: a gradient is never read while another thread changes or frees it.
#pragma once

#include <cstdint>

#include "core/library/control_list.h"
#include "core/colour/gradient_record.h"
#include "core/colour/gradient_stops.h"

namespace kelvra {

ControlList<GradientRecord>& GradientList();
// The record of a handle, nullptr for one that is not (or no longer) in the list.
GradientRecord* FindGradient(const void* handle);

GradientRecord* AddGradient(int32_t type, uint32_t startColour, uint32_t endColour);

}  // namespace kelvra
