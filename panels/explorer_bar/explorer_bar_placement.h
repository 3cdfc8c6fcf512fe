// Carrying an explorer bar's layout out on its windows: headers and bodies in one
// batch, a body's items in another, a body given its height at once. Each may
// send messages (window moves reach the panels' procedures): records are found
// again by window afterwards.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/explorer_bar/explorer_bar_record.h"

namespace kelvra {

// Lays the bar whose panel window is `barWindow` out at the bodies' present
// heights, then fits the bar page's content and vertical bar to what moved; when
// that bar came or went (the width changed) the bar is laid out once more.
void LayOutExplorerBar(HWND barWindow);

// Places the items of the group whose body panel is `body` up from the body's foot.
void PlaceExplorerBarItems(HWND body);

// Gives the body `height` at once (its position and width stay) and fades its
// page fully in (open) or out (shut): a body sized outside an animation must not
// keep the alpha an earlier animation left.
// `body`: a body panel window, `bodyPanel` its number.
void SetExplorerBarBodyHeight(HWND body, int32_t bodyPanel, int32_t height, bool open);

// The body's window rectangle in the bar page's client coordinates.
RECT ExplorerBarBodyRect(const ExplorerBarGroupRecord& group);

}  // namespace kelvra
