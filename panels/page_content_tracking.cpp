// Until panels exist no window is a page, so nothing here is ever reached with a record.
#include "panels/page_content_tracking.h"

namespace kelvra {

PanelExPageRecord* FindPanelExPageByWindow(HWND) { return nullptr; }
bool PanelExPageAutoScrolls(const PanelExPageRecord&) { return false; }
bool PanelExPageIsCurrent(const PanelExPageRecord&) { return false; }
void RemeasurePanelExPageContent(PanelExPageRecord&) {}
void GrowPanelExPageContent(PanelExPageRecord&, const RECT&) {}
void SizePanelExPageContent(PanelExPageRecord&, int, int) {}
void UpdatePanelExPageScrollBars(PanelExPageRecord&) {}
void LayoutPanelExScrollBars(PanelExPageRecord&) {}
void RedrawPanelExPageScrollBars(PanelExPageRecord&) {}

}  // namespace kelvra
