// HotKeyMessageHookProc: the message hook that turns a bound key press into a
// WM_COMMAND to its window and keeps the key from everybody else.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// WH_GETMESSAGE, on the first thread that binds a hot key: acts on key-downs
// taken from the queue (PM_REMOVE) only; everything else passes at once.
LRESULT CALLBACK HotKeyMessageHookProc(int code, WPARAM wParam, LPARAM lParam);

// Installs the hook on the calling thread unless the process has it already
// (CommandBarState().hotKeyMessageHook, which Kelvra_End removes).
void InstallHotKeyMessageHook();

// Ctrl, Shift and Alt as the thread's key state holds them (kHotKey* flags).
int32_t HeldHotKeyModifiers();

}  // namespace kelvra
