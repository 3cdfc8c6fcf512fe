// GradientRecord and GradientStop: the data that the page painter reads.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvra {

enum GradientType : int32_t { kGradientHorizontal = 0, kGradientVertical = 1, kGradientRectangle = 2, kGradientEllipse = 3 };

struct GradientStop {
  uint32_t colour = 0;  // ARGB
  float position = 0;   // never exactly 0.0 or 1.0: those address the end colours
};

struct GradientRecord {
  int32_t type = 0;          // GradientType; other values are stored unchecked
  uint32_t startColour = 0;  // ARGB at 0.0
  uint32_t endColour = 0;    // ARGB at 1.0
  // Ascending positions, exact compare, no duplicates. A NaN position (stored
  // unchecked like any other) is never equal and never greater: such a stop stays
  // where it was added and the others ascend around it.
  std::vector<GradientStop> stops;
};

}  // namespace kelvra
