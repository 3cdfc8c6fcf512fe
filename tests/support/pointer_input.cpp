// The real pointer for tests.
#include "tests/support/pointer_input.h"


namespace kelvra::test {

namespace {

LONG Normalised(LONG pixel, int extent) { return NormalisedInputCoordinate(pixel, extent); }

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input = MouseInput(flags, dx, dy);
  SendInput(1, &input, sizeof(input));
}

// This thread's view of the button changes as it takes the button's message
// from its queue: the press or release has then been dispatched.
bool LeftButtonDownHere() { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }

bool PointerAt(POINT screen) {
  POINT now{};
  return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

}  // namespace

// SendInput's absolute coordinates run from 0 to 65535 over the primary screen;
// rounding up lands on the pixel asked for.
LONG NormalisedInputCoordinate(LONG pixel, int extent) {
  return static_cast<LONG>((static_cast<LONGLONG>(pixel) * 65536 + extent - 1) / extent);
}

INPUT MouseInput(DWORD flags, LONG dx, LONG dy) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

void ShowAndRaise(HWND window) {
  ShowWindow(window, SW_SHOW);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window);
  UpdateWindow(window);
  PumpMessages();
}

bool MovePointerTo(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
            Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
  if (!PumpUntil([&] { return PointerAt(screen); }, 500)) {
    SetCursorPos(screen.x, screen.y);  // the move that SendInput could not place
    PumpUntil([&] { return PointerAt(screen); }, 500);
  }
  PumpMessages();
  return PointerAt(screen);
}

bool MovePointerTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return MovePointerTo(client);
}

void MovePointerAway() {
  MovePointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
}

void PressLeftButton() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpUntil(LeftButtonDownHere, 500);
}

void ReleaseLeftButton() {
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpUntil([] { return !LeftButtonDownHere(); }, 500);
}

void ClickLeftButton() {
  PressLeftButton();
  ReleaseLeftButton();
}

HWND CaptureAfterInput() {
  PumpMessages();
  return GetCapture();
}

}  // namespace kelvra::test
