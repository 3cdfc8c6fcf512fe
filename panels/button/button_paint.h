// The button's own drawing on its page: its image and text, laid out by
// LayOutButtonEx, into the DC the page painter hands the panel's callback.
#pragma once

#include <windows.h>

#include "panels/button/button_record.h"

namespace kelvra {

// Called with WM_ERASEBKGND (onPaintMessage false) and WM_PAINT (true); the button
// draws on the first, or on the second when its normal look asks to be drawn
// over the border ("noclip"). dc's origin is the page's top-left corner.
void PaintButtonContent(ButtonExRecord& button, HDC dc, bool onPaintMessage);

}  // namespace kelvra
