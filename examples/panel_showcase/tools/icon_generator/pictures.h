// The showcase's pictures, each drawn from fixed numbers onto a new canvas.
#pragma once

#include "canvas.h"

namespace showcase_icons {

// 256 x 256: a ringed "K" emblem with a small spark, on a transparent ground.
Canvas DrawLogo();

// A square border picture: an opaque frame `thickness` pixels wide with outer
// corners rounded by `radius` (transparent outside the curve) around a fully
// transparent inside. The frame's innermost pixel ring is the darker `innerLine`,
// so a frame finder walking in from an edge meets darker or equal pixels all the
// way through the frame. Keep radius <= thickness: the curve must stay inside the
// corner pieces a nine-slice cut makes, or every tiled edge piece repeats it.
struct BorderStyle {
  int size;
  int thickness;
  float radius;
  Colour frame;
  Colour innerLine;
};
Canvas DrawBorder(const BorderStyle& style);

// 128 x 128: a soft star in the tint, white at its core (alpha 255 there), with a
// halo and four rays that fade out to alpha 0 well before the picture's edges.
Canvas DrawStar(Colour tint);

// 256 x 256, opaque: a dark star field that tiles seamlessly in both directions.
Canvas DrawStarField();

}  // namespace showcase_icons
