// The answers of panels and the controls built on them while they are not built:
// what panels/panels_seam.h (asked from outside panels/) and the panels' own
// headers (asked by panel code already here) promise as "nothing here". Building
// one means deleting it here and defining it where it belongs.
#include "core/image/runtime_image.h"
#include "panels/page_paint.h"
#include "panels/panels_seam.h"

namespace kelvra {

// ---- Asked from outside panels/ (panels/panels_seam.h)

image::RuntimeImage* FindPanelBackBufferImage(HBITMAP) { return nullptr; }

bool PointerOverSplitterBar() { return false; }

// ---- Asked by the page window procedure (page_paint.h)

void PaintPanelExPage(HDC, HWND, HWND, bool) {}
HBRUSH MakePageStaticBrush(HWND, HWND, HDC) { return nullptr; }

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllButtons() {}
void FreeAllSplitters() {}

}  // namespace kelvra::steps
