// The images of the built-in skins that are drawn for each build: the radio and
// check glyphs (themed when the "button" theme is open), the explorer bar's
// group-header glyphs, and the splitter grips and frames. All are 32-bit DIB
// sections with straight alpha.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "core/image/runtime_image.h"
#include "skin/builtin/builtin_skin_rows.h"

namespace kelvra {

// Draws one of the images that are made per build (not a stored one); nullptr for a
// stored image, Count, or when drawing failed.
std::unique_ptr<image::RuntimeImage> DrawBuiltInImage(BuiltInImage image);

// Renders `draw` into a width x height bitmap once on black and once on white and
// keeps what differs as a true alpha channel, so that glyphs the system draws
// without alpha show no square behind them. `draw` answers false when it could not
// draw; the result is then nullptr.
using DrawCall = std::function<bool(HDC dc, const RECT& rect)>;
std::unique_ptr<image::RuntimeImage> DrawWithTrueAlpha(int width, int height, const DrawCall& draw);

}  // namespace kelvra
