// MenuKeyboardHookProc: the keyboard hook that gives MenuEx bars the Alt and F10
// keys of a native menu bar and drives a long menu's slice by its mnemonics.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// WH_KEYBOARD on the thread of the first menu bar (InstallMenuKeyboardHook of
// commandbars/commandbars_seam.h puts it there). Passes every key on first and
// returns what the next hook answered, except for the keys it acts on as the
// bar's, which it keeps from the window (1): the Alt or F10 press that enters or
// leaves the bar (its release would start the system's keyboard loop of the
// window menu), and Down and Return on the hot title, whose menu the library
// opens itself.
LRESULT CALLBACK MenuKeyboardHookProc(int code, WPARAM key, LPARAM lParam);

// Down or Return on a bar entered by Alt or F10: the hook posts
// MenuBarKeyDropDownMessage (core/library/library_messages.h) to the bar's
// parent, the host window, whose procedure calls this with the message's
// wParam (the bar) and lParam (the hot title's index). It opens that title's menu
// as the bar's TBN_DROPDOWN does, with keyboard navigation 1, so that its first
// item is selected. On the host's thread, no lock held.
// Nothing here: the title drop-downs are not built (commandbars/not_built_yet.cpp).
void OnMenuBarKeyDropDown(HWND host, HWND bar, int32_t title);

}  // namespace kelvra
