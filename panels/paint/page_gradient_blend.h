// What the page painter reads from a gradient: the colour blend it hands to GDI+
// and whether the gradient lets what lies behind it show through. Pure.
#pragma once

#include <cstdint>
#include <vector>

#include "core/colour/gradient_record.h"

namespace kelvra {

// The blend of (stops + 2) entries: the start colour at 0.0, every stop in list
// order at its position, the end colour at 1.0. The vectors are reused: a blend
// of no more entries than before allocates nothing.
void BuildGradientBlend(const GradientRecord& gradient, std::vector<uint32_t>& colours,
                        std::vector<float>& positions);

// True when the start colour, the end colour or any stop colour has alpha below 255.
bool GradientIsTranslucent(const GradientRecord& gradient);

}  // namespace kelvra
