// Gradient blends for the page painter.
#include "panels/paint/page_gradient_blend.h"

namespace kelvra {

namespace {

bool Translucent(uint32_t argb) { return (argb >> 24) < 0xFF; }

}  // namespace

void BuildGradientBlend(const GradientRecord& gradient, std::vector<uint32_t>& colours,
                        std::vector<float>& positions) {
  colours.clear();
  positions.clear();
  colours.push_back(gradient.startColour);
  positions.push_back(0.0f);
  for (const GradientStop& stop : gradient.stops) {
    colours.push_back(stop.colour);
    positions.push_back(stop.position);
  }
  colours.push_back(gradient.endColour);
  positions.push_back(1.0f);
}

bool GradientIsTranslucent(const GradientRecord& gradient) {
  if (Translucent(gradient.startColour) || Translucent(gradient.endColour)) return true;
  for (const GradientStop& stop : gradient.stops)
    if (Translucent(stop.colour)) return true;
  return false;
}

}  // namespace kelvra
