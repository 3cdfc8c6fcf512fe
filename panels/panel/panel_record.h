// The records of PanelEx panels and their pages: the state every part of the
// panel code shares (creation, settings, window procedures, the page painter and
// page scrolling). Guarded by PanelLock.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/image/runtime_image.h"
#include "core/library/control_list.h"
#include "core/platform/win_handles.h"

namespace kelvra {

struct BorderImageSet;
struct PanelExPageRecord;
struct PagePaintCache;

// What the page painter keeps per page between paints (panels/paint/page_paint_cache.h);
// freed with the page.
struct PagePaintCacheDeleter {
  void operator()(PagePaintCache* cache) const;
};

// PANELEX_UNCHANGED: an argument of SetPanelExPageBackground that keeps its setting.
inline constexpr int32_t kPanelExUnchanged = static_cast<int32_t>(0xF0000001u);

// PageImageFlags: where and how a page's background or overlay image is drawn.
enum PageImageFlag : int32_t {
  kImageXPercent = 0x1,          // x: percentage of the width at which the image's centre lies
  kImageYPercent = 0x2,          // y: likewise of the height
  kImageNoClip = 0x4,            // a nested page is not clipped to its panel (background only)
  kImageCentreX = 0x10,          // centred horizontally (overrides x)
  kImageCentreY = 0x20,          // centred vertically (overrides y)
  kImageStretch = 0x80,          // background: stretched over the page; overlay: once at top-left
  kImageTileX = 0x100,
  kImageTileY = 0x200,
  kImageFromRight = 0x400,       // x measured from the right edge
  kImageFromBottom = 0x800,      // y measured from the bottom edge
  kImageMasked = 0x1000,         // white pixels of a bitmap are transparent
  kImageSetsOverlay = 0x2000,    // SetPanelExPageBackground: the call sets the overlay set
  kImageMouseTransparent = 0x8000,  // the page answers WM_NCHITTEST with HTTRANSPARENT (background only)
  kImageNoContainer = 0x10000,   // AddPanelExImagePage: not the host runtime's control container
};

// ThemeBackgroundCode values with a meaning of their own; any other value that is
// not a gradient handle draws nothing (visual styles) or the button face (classic).
enum ThemeBackgroundCode : int32_t {
  kBackgroundNone = -1,
  kBackgroundTabPane = 0,
  kBackgroundPushButton = 8,          // state 0
  kBackgroundPushButtonHot = 9,       // state 2
  kBackgroundPushButtonPressed = 10,  // state 3
  kBackgroundPushButtonDisabled = 11, // state 4 (captured as state 1)
};

// A page's background set or its overlay set: what is drawn, in that order, under
// the application's own drawing.
struct PageImageSet {
  int32_t background = kBackgroundNone;  // -1, a ThemeBackgroundCode or a gradient handle
  UniqueImageList imageList;             // the image, or none
  int32_t x = 0, y = 0, width = 0, height = 0;  // placement values and the image's size
  int32_t flags = 0;                     // PageImageFlags
  uint32_t imageGeneration = 0;          // counts image replacements: a new list may reuse an old handle
};

// One 32-bit image selected into its own memory DC: a panel's back buffer or alpha
// buffer, made and grown by the page painter.
struct PanelBuffer {
  UniqueDc dc;
  std::unique_ptr<image::RuntimeImage> image;
  HGDIOBJ previousBitmap = nullptr;  // what the DC held before the image
  int32_t width = 0, height = 0;

  PanelBuffer() = default;
  PanelBuffer(const PanelBuffer&) = delete;
  PanelBuffer& operator=(const PanelBuffer&) = delete;
  // The image must leave the DC before it can be deleted.
  ~PanelBuffer() { Release(); }

  // The DC deleted, the image freed, the sizes cleared.
  void Release() {
    if (dc && previousBitmap) SelectObject(dc.get(), previousBitmap);
    previousBitmap = nullptr;
    dc.reset();
    image.reset();
    width = height = 0;
  }
};

struct PanelExRecord : ControlHead {  // number, window (the panel window)
  HWND Window() const { return static_cast<HWND>(window); }

  int32_t width = 0, height = 0;   // as given to CreatePanelEx
  int32_t pageCounter = 0;         // the index the next page added receives
  int32_t currentPageIndex = 0;    // kept equal to currentPage's index while there is one
  PanelExPageRecord* currentPage = nullptr;
  WNDPROC callback = nullptr;      // the PanelExCallback, or none
  PanelBuffer backBuffer;
  PanelBuffer alphaBuffer;         // for pages whose alpha is below 255
  // This panel's pages in the page list's order (the list is shared by all panels;
  // this keeps walks over one panel's pages short).
  std::vector<PanelExPageRecord*> pages;
  bool freeing = false;            // FreePanelEx is destroying its windows
  // Where the window was at its last move (every move, show and SetParent sends it
  // WM_WINDOWPOSCHANGED): its parent and its window rectangle in the parent's
  // client coordinates. Lets a parent's erase pass over the panels lying elsewhere
  // without asking the window system about each of thousands.
  HWND knownParent = nullptr;
  RECT knownRect{};
  size_t knownSlot = 0;  // where it sits among knownParent's panels in that index
};

// The (wParam, lParam) last passed to the callback for a message, so that repeats
// are not passed again.
struct RepeatFilterEntry {
  bool stored = false;  // nothing passed yet: the first message always passes
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

struct PanelExPageRecord {
  int32_t index = 0;              // position within its panel, 0-based
  HWND window = nullptr;          // the page window
  HWND panelWindow = nullptr;
  PanelExRecord* panel = nullptr;
  int8_t shown = 0;               // -1 while the page is its panel's current page
  PageImageSet backgroundSet;     // background, image list, image x/y/size, image flags
  int32_t pageWidth = 0, pageHeight = 0;  // the panel's client size when the page was added
  // 0: the library's arrow; positive: a cursor handle; negative: the page leaves
  // the cursor alone.
  intptr_t cursor = 0;
  RepeatFilterEntry lastSetCursor, lastNcHitTest, lastMouseMove;

  // Scrolling: 0 until the page scrolls.
  HWND horizontalBar = nullptr;
  int32_t horizontalBarOn = 0;
  HWND verticalBar = nullptr;
  int32_t verticalBarOn = 0;
  HWND sizeBox = nullptr;
  int32_t autoScroll = 0;
  int32_t noAutoHorizontalBar = 0;
  int32_t noAutoVerticalBar = 0;
  int32_t attribute128 = 0;
  int32_t horizontalPosition = 0, verticalPosition = 0;
  RECT contentExtent{};           // in page coordinates

  PageImageSet overlaySet;
  BorderImageSet* border = nullptr;
  uint16_t alpha = 255;           // 0..255; 255 opaque
  int8_t paintState = 0;          // PagePaintState: 0 paints itself, 1 nested, 2 being drawn
  bool freeing = false;           // its window is being destroyed
  std::unique_ptr<PagePaintCache, PagePaintCacheDeleter> paintCache;  // made by the first paint
};

}  // namespace kelvra
