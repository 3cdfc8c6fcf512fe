// Screen read-back for tests.
#include "tests/support/screen_pixels.h"

namespace kelvra::test {

void CaptureClientArea(HWND window, Dib32& into) {
  // From the top-level window's own DC: the screen itself may show Wine's copy of
  // the window's drawing only some time later.
  const HWND root = GetAncestor(window, GA_ROOT);
  POINT origin{0, 0};
  MapWindowPoints(window, root, &origin, 1);
  const HDC dc = GetDC(root);
  BitBlt(into.dc(), 0, 0, into.width(), into.height(), dc, origin.x, origin.y, SRCCOPY);
  ReleaseDC(root, dc);
  GdiFlush();
}

}  // namespace kelvra::test
