// The setters of UI colours and the colour mode, with the refresh of everything
// drawn in UI colours.
#pragma once

#include <cstdint>

namespace kelvra {

// Stores a COLORREF in the custom column of the scheme `mode` names (1 to 4 as 6
// to 9; 0 and 5 the current scheme) of a style 5, 0x1000000 or 0x2000000, in the
// form the index holds. False, with nothing changed, for any other style, an index
// outside 0 to 55 or a mode outside 0 to 9.
bool SetUIColour(uint32_t style, int32_t index, uint32_t colour, int32_t mode, bool noRefresh);

// Selects a mode 0 to 9, sets the colour-theme word it names and refreshes every
// window of the process; false, with nothing changed, for another mode.
bool SetUIColourMode(int32_t mode);

}  // namespace kelvra
