// The answers of panels and the controls built on them while they are not built:
// what panels/panels_seam.h (asked from outside panels/) and the panels' own
// headers (asked by panel code already here) promise as "nothing here". Building
// one means deleting it here and defining it where it belongs.
#include "core/image/runtime_image.h"
#include "panels/page_content_tracking.h"
#include "panels/page_invalidation.h"
#include "panels/page_paint_state.h"
#include "panels/panels_seam.h"

namespace kelvra {

// ---- Asked from outside panels/ (panels/panels_seam.h)

SliceRect FindBorderImageMargins(const image::RuntimeImage& borderImage) {
  return SliceRect{0, 0, borderImage.Width(), borderImage.Height()};
}

std::unique_ptr<image::RuntimeImage> CreateBorderMaskImage(const image::RuntimeImage& borderImage) {
  auto mask = image::RuntimeImage::Create(borderImage.Width(), borderImage.Height(), 32);
  if (!mask) return nullptr;
  for (int y = 0; y < borderImage.Height(); ++y)
    for (int x = 0; x < borderImage.Width(); ++x)
      mask->SetPixel(x, y, (borderImage.Pixel(x, y) >> 24) == 0 ? 0xFFFFFFFFu : 0u);
  return mask;
}

void ClearCurrentTextControlLinks() {}
void AppendCurrentTextControlLink(const TextControlExLink&) {}

image::RuntimeImage* FindPanelBackBufferImage(HBITMAP) { return nullptr; }

bool PointerOverSplitterBar() { return false; }

BOOL CALLBACK PaintChildBackgroundProc(HWND, LPARAM) { return TRUE; }

void ForEachPanelExWithParent(HWND, PanelWindowVisitor, void*) {}

int32_t SetPanelExPageAlpha(HWND, int32_t, int32_t, bool) { return 0; }

// ---- Asked by panel code already here (page_child_events.cpp)

PanelExPageRecord* FindPanelExPageByWindow(HWND) { return nullptr; }
bool PanelExPageAutoScrolls(const PanelExPageRecord&) { return false; }
bool PanelExPageIsCurrent(const PanelExPageRecord&) { return false; }
void RemeasurePanelExPageContent(PanelExPageRecord&) {}
void GrowPanelExPageContent(PanelExPageRecord&, const RECT&) {}
void SizePanelExPageContent(PanelExPageRecord&, int, int) {}
void UpdatePanelExPageScrollBars(PanelExPageRecord&) {}
void LayoutPanelExScrollBars(PanelExPageRecord&) {}
void RedrawPanelExPageScrollBars(PanelExPageRecord&) {}

HWND InvalidatePanelExPage(HWND pageWindow) { return pageWindow; }

void MarkPanelExPagesUnpainted(HWND) {}

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllButtons() {}
void FreeAllTextControls() {}
void FreeAllSplitters() {}
void FreeAllPanels() {}

}  // namespace kelvra::steps
