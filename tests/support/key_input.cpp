// Keys for tests, through SendInput.
#include "tests/support/key_input.h"

#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

namespace {

void SendKey(WORD virtualKey, bool up, bool extended) {
  SendKeyOnly(virtualKey, up, extended);
  // The key's state on this thread follows the messages it has taken: wait for
  // them, then take what is left.
  PumpUntil([&] { return ((GetKeyState(virtualKey) & 0x8000) != 0) == !up; }, 1000);
  PumpMessages();
}

}  // namespace

WORD ScanCodeOf(WORD virtualKey) {
  static const char kLetters[] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
                                  0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
  if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<WORD>(kLetters[virtualKey - 'A']);
  if (virtualKey >= '1' && virtualKey <= '9') return static_cast<WORD>(0x02 + virtualKey - '1');
  if (virtualKey == '0') return 0x0B;
  if (virtualKey >= VK_F1 && virtualKey <= VK_F10) return static_cast<WORD>(0x3B + virtualKey - VK_F1);
  switch (virtualKey) {
    case VK_CONTROL: return kScanCtrl;
    case VK_SHIFT: return kScanShift;
    case VK_MENU: return kScanAlt;
    case VK_DOWN: return kScanDown;
    case VK_RETURN: return kScanReturn;
    case VK_ESCAPE: return kScanEscape;
    default: return 0;
  }
}

void SendKeyOnly(WORD virtualKey, bool up, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = ScanCodeOf(virtualKey);
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &input, sizeof(input));
}

void PressKey(WORD virtualKey, bool extended) { SendKey(virtualKey, false, extended); }
void ReleaseKey(WORD virtualKey, bool extended) { SendKey(virtualKey, true, extended); }
void TapKey(WORD virtualKey, bool extended) {
  PressKey(virtualKey, extended);
  ReleaseKey(virtualKey, extended);
}

}  // namespace kelvra::test
