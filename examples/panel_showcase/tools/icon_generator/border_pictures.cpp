// Border pictures: square frames with rounded outer corners for nine-slice borders.
#include <algorithm>

#include "pictures.h"

namespace showcase_icons {

Canvas DrawBorder(const BorderStyle& style) {
  const int size = style.size;
  Canvas canvas(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // Pixel rings counted from the outside: 0 is the outermost.
      const int ring = std::min({x, y, size - 1 - x, size - 1 - y});
      if (ring >= style.thickness) continue;
      const Colour colour = ring == style.thickness - 1 ? style.innerLine : style.frame;
      const float outline = RoundedBoxDistance(x + 0.5f, y + 0.5f, 0, 0, static_cast<float>(size),
                                               static_cast<float>(size), style.radius);
      canvas.Over(x, y, colour, Coverage(outline));
    }
  }
  return canvas;
}

}  // namespace showcase_icons
