// Screen read-back for tests.
#include "tests/support/screen_pixels.h"

namespace kelvra::test {

void CaptureClientArea(HWND window, Dib32& into) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const HDC screen = GetDC(nullptr);
  BitBlt(into.dc(), 0, 0, into.width(), into.height(), screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
}

}  // namespace kelvra::test
