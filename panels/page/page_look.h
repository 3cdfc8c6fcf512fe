// PageLook: what a page shows in one state of a skin component (its background
// and overlay layers and its border), as ReadPageLook reads it from a skin
// (panels/page/page_look_reader.h), and SetPageLook, which puts it on a page.
// Every family whose pages take their looks from skins (buttons, explorer bars,
// splitters) keeps and sets them through these.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/page/page_skin_values.h"

namespace kelvra {

// A page's background or overlay in one look: what SetPanelExPageBackground takes.
struct PageLayerLook {
  int32_t value = 0;  // ThemeBackgroundCode, gradient handle, or -1 for none
  HANDLE image = nullptr;
  int32_t x = 0, y = 0;           // the image's placement
  int32_t width = 0, height = 0;  // 0: the image's own size
  int32_t flags = 0;              // PageImageFlags
};

// One look, as read from the skin (all 0 when the skin gives none).
struct PageLook {
  PageLayerLook background, overlay;
  HBITMAP borderImage = nullptr;
  SkinEdges borderMargins;
  intptr_t borderMask = 0;
};

// Puts `look` on page `page` (index or window) of panel `panel` (its number: a
// window key also matches an application's panel numbered like it) without
// repainting: background, overlay, and border with the margins as its slice
// rectangle when all four are given. Takes the locks it needs itself.
void SetPageLook(intptr_t panel, intptr_t page, const PageLook& look);

}  // namespace kelvra
