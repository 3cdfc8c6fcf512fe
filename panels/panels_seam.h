// What earlier code asks of panels and the controls built on them (buttons, text
// controls, splitters, explorer bars). Every call into panels/ from outside it is
// declared here, with when it comes and what the answer is while its owner is not
// built ("nothing here"). Those answers live in panels/not_built_yet.cpp: to build
// one, delete it there and define it where it belongs. To ask something new of
// panels/, declare it here and stub it there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/border/border_image_geometry.h"
#include "core/text/text_control_link.h"

namespace kelvra::image {
class RuntimeImage;
}

namespace kelvra {

class LockGuard;

// ---- Border image sets (core/border/)

// Called when a border image set takes an image given without a slice rectangle:
// where the image's frame ends (panels/page/border_image_margins.cpp).
SliceRect FindBorderImageMargins(const image::RuntimeImage& borderImage);

// Called when a border image set remakes its mask: a 32-bit mask of the border
// image, non-zero over the frame's body and the corners outside a shaped frame,
// which a clip region cuts away; nullptr when the image gives no mask (its centre
// reads as frame), so nothing is clipped (panels/page/border_image_margins.cpp).
std::unique_ptr<image::RuntimeImage> CreateBorderMaskImage(const image::RuntimeImage& borderImage);

// ---- The formatted-text renderer (core/text/)

// The links it collects for a text control (core/text/text_control_link.h); a text
// control passes its own list to DrawFormattedText.

// Called with PanelLock held when text or plain GDI drawing repairs the alpha of
// the bitmap selected in its device context: the image of the panel buffer (back
// or alpha buffer) whose bitmap is `bitmap`, or nullptr
// (panels/paint/page_paint_buffers.cpp).
// The contract of these buffers: a panel buffer is written (painted, repaired,
// faded) and freed only while PanelLock is held, by whichever thread does it; the
// image returned here may be used only until the caller lets PanelLock go.
image::RuntimeImage* FindPanelBackBufferImage(HBITMAP bitmap);

// ---- The shared subclass procedure (core/windows/common_subclass_proc.cpp)
// None of these may send a message or call an application callback while it
// holds a library lock; each says whether WindowMapLock is held when it comes.

// WM_MOUSEMOVE, WindowMapLock held: true while the pointer is over a splitter bar
// (the splitters' hover flag); top-level windows then do not see the move.
// Reads the flag and IsWindow only (panels/splitter/splitter_hover.cpp).
bool PointerOverSplitterBar();

// WM_WINDOWPOSCHANGED of a window whose parent, as last seen on WM_SHOWWINDOW, is
// `pageWindow`, WindowMapLock released: an auto-scrolling current page measures
// its content again. Takes PanelLock itself (panels/page/page_child_events.cpp).
void OnPageChildMoved(HWND pageWindow);

// WM_SHOWWINDOW of `child`, WindowMapLock held: `page` is its parent now (0 for
// none) and `oldParent` the parent it left (0 when the parent did not change).
// Each of them that is a page refits its content and scroll bars to the child and
// repaints around it;
// `windowMapLock`, the caller's, is released around the calls that send messages
// and taken back (the caller checks Held() afterwards)
// (panels/page/page_child_events.cpp).
void OnChildShownOnPage(HWND page, HWND child, HWND oldParent, LockGuard& windowMapLock);

// WM_SHOWWINDOW of a click-through panel that has been moved off a page,
// WindowMapLock released: every page of that panel decides again, on its next
// paint, how it paints. Takes PanelLock itself (panels/page/page_child_events.cpp).
void OnPanelLeftPage(HWND panelWindow);

// WM_ERASEBKGND of a visible page: the EnumChildWindows callback that keeps the
// page background from being painted under the children that draw their own.
// Called with WindowMapLock released.
struct PaintChildBackgroundParams {
  HWND window;  // the page being erased
  HDC dc;       // its erase DC; children's areas are excluded from its clip region
};
// lParam: a PaintChildBackgroundParams*. Always continues (returns TRUE)
// (panels/paint/paint_child_background.cpp).
BOOL CALLBACK PaintChildBackgroundProc(HWND child, LPARAM params);

// WM_ERASEBKGND of any window but a page, with WindowMapLock and PanelLock held
// (so `visit` sends nothing): calls `visit` with the window of every panel whose
// parent is `parent` and whose window rectangle (in the parent's client
// coordinates, as it was at the panel's last move) meets `area` (nullptr: any
// rectangle), in no particular order, keeping the panel list's current element
// (panels/panel/panel_registry.cpp).
using PanelWindowVisitor = void (*)(HWND panelWindow, void* context);
void ForEachPanelExWithParent(HWND parent, const RECT* area, PanelWindowVisitor visit, void* context);

// ---- The animation thread (core/animation/)

// Called on the animation thread after each frame, for every animated window:
// page `page` of the panel whose window is `panelWindow` takes `alpha` (clamped to
// 0..255), repainted at once unless `noRedraw`. Takes PanelLock itself (and with
// noRedraw no other lock) and leaves the lists' current elements as it found
// them. Returns 1, or 0 when the panel or page is unknown
// (panels/page/page_settings_look.cpp).
int32_t SetPanelExPageAlpha(HWND panelWindow, int32_t page, int32_t alpha, bool noRedraw);

}  // namespace kelvra

namespace kelvra::steps {

// Kelvra_End step 3 frees every control family by family; these come after
// FreeToolBarEx(-1) (explorer bars, then buttons), after FreeMenuEx(-1) (text
// controls, splitters) and last (panels). Each frees all controls of its family.
// FreeExplorerBar(-1) without repainting the bars' parents (every window is
// hidden by then), so no record names a dead window and a later load starts
// clean (panels/explorer_bar/explorer_bar_free.cpp).
void FreeAllExplorerBars();
void FreeAllButtons();       // FreeButtonEx(-1) (panels/button/button_free.cpp)
// FreeTextControlEx(-1), then the defaults for new controls are forgotten and the
// default font the library made goes (panels/text_control/text_control_create.cpp).
void FreeAllTextControls();
void FreeAllSplitters();     // FreeSplitterEx(-1), drags included (panels/splitter/splitter_free.cpp)
// FreePanelEx(-1), then the theme border sets, the page brush cache and the panel
// and page window classes go (panels/panel/panel_end_step.cpp).
void FreeAllPanels();

}  // namespace kelvra::steps
