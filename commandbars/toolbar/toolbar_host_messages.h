// What the host-window procedure asks of toolbars: the texts of their tool tips
// and the pressed look of a button whose combo-box gadget has its list open.
#pragma once

#include <windows.h>

namespace kelvra {

// TTN_GETDISPINFOW or TTN_GETDISPINFOA (`lParam`: its NMTTDISPINFO) from the
// tool-tip window of a ToolBarEx: points lpszText at the tip text of the command
// id, for the A form at a narrow copy. False, with nothing set, for any other
// sender (the application's own tool tips keep their texts) or an id without a
// tip.
bool AnswerToolBarExToolTip(LPARAM lParam);

// CBN_DROPDOWN (`open`) or CBN_CLOSEUP of `gadget`: the first hot-tracking button
// of that gadget is marked dropped down or not (on closing also no longer hot,
// unless the pointer is over the gadget), and the gadget's place in its toolbar
// is redrawn.
void OnToolBarExGadgetDropDown(HWND gadget, bool open);

}  // namespace kelvra
