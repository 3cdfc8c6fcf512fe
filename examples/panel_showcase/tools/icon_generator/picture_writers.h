// Writing canvases as PNG (RGBA) and JPEG (RGB) files through libpng and libjpeg.
// Neither writer stores a time stamp, so equal canvases give equal files.
#pragma once

#include <string>

#include "canvas.h"

namespace showcase_icons {

// On failure both return false and say why in `error`.
bool WritePng(const std::string& path, const Canvas& canvas, std::string& error);
bool WriteJpeg(const std::string& path, const Canvas& canvas, int quality, std::string& error);

}  // namespace showcase_icons
