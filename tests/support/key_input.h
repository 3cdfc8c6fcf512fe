// Typing in tests: keys pressed through SendInput with their real scan codes, as
// a keyboard sends them (without one the lParam of key messages carries none,
// and hooks that read it see values no keyboard makes), and a wait until the
// thread has taken the key's messages from its queue.
#pragma once

#include <windows.h>

namespace kelvra::test {

// Scan codes of the keys tests press.
inline constexpr WORD kScanCtrl = 0x1D, kScanShift = 0x2A, kScanAlt = 0x38, kScanF10 = 0x44, kScanDown = 0x50,
                      kScanReturn = 0x1C, kScanEscape = 0x01;
// The scan code of a letter or digit key ('A' to 'Z', '0' to '9'), of F1 to F10,
// and of the keys above; 0 for others.
WORD ScanCodeOf(WORD virtualKey);

// Presses or releases a key (extended: the key's extended flag, as Down has) and
// dispatches what it queued on this thread, translated as a message loop does.
void PressKey(WORD virtualKey, bool extended = false);
void ReleaseKey(WORD virtualKey, bool extended = false);
void TapKey(WORD virtualKey, bool extended = false);
// Only sends the key, for a key meant for another thread's window. (Asking this
// thread's key state, as the waits above do, also brings it up to date under
// Wine, which would hide what a test of a stale state looks for.)
void SendKeyOnly(WORD virtualKey, bool up, bool extended = false);

}  // namespace kelvra::test
