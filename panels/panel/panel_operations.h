// The panel operations behind the PanelEx exports: creating panels, adding,
// inserting, showing and freeing pages, and freeing panels. Each takes PanelLock
// itself and releases it around every call that can send messages (window
// creation and destruction, showing, reparenting, repainting); after such a call
// it finds its records again by window, so a callback that frees its own panel
// meanwhile leaves nothing dangling.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// CreatePanelEx: the new number when -1 was given, else the panel window; 0 when
// the number is in use or the window could not be made. A panel made hidden
// (`shown` false) is the caller's to show.
intptr_t CreatePanel(int32_t number, HWND parent, int x, int y, int width, int height, WNDPROC callback,
                     bool shown = true);

struct PageImage {
  HANDLE image = nullptr;  // 0: a page without image
  int32_t x = 0, y = 0, width = 0, height = 0;
  int32_t flags = 0;
};

// AddPanelExPage / AddPanelExImagePage to CurrentPanelEx: the page window or 0.
HWND AddPage(int32_t background, const PageImage& image);
// InsertPanelExPage / InsertPanelExImagePage before the page `position` (index or
// window, -1: at the end): the page window or 0.
HWND InsertPage(intptr_t panel, intptr_t position, int32_t background, const PageImage& image);

// ShowPanelExPage: -1, or 0 when the panel or page is unknown.
int ShowPage(intptr_t panel, intptr_t page);

// FreePanelExPage (page -1: every page): 1 when freed or -1 was given for a known
// panel, else 0.
int FreePage(intptr_t panel, intptr_t page);
// FreePanelEx (-1: every panel): 1 when a panel was freed or -1 was given, else 0.
int FreePanel(intptr_t panel);

}  // namespace kelvra
