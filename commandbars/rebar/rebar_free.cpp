// FreeRebar: the bands' children go back to the host, then the control and its
// records go.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"

namespace kelvra {

namespace {

void Free(RebarRecord* rebar) {
  const HWND window = rebar->Window();
  const HWND parent = rebar->parent;
  if (IsWindow(window))
    while (SendMessageW(window, RB_DELETEBAND, 0, 0)) {
    }
  for (RebarBandRecord* band : RebarBandsOf(window)) {
    if (band->child && IsWindow(band->child) && IsWindow(parent)) SetParent(band->child, parent);
    RebarBandList().Remove(band);
  }
  BandEdgeSizing& sizing = Rebars().sizing;
  if (sizing.rebar == window) {
    if (GetCapture() == window || GetCapture() == sizing.host) ReleaseCapture();
    sizing = BandEdgeSizing{};
  }
  if (Rebars().drag.rebar == window) EndRebarBandDrag();
  RebarList().Remove(rebar);
  if (IsWindow(window)) DestroyWindow(window);
}

}  // namespace

int32_t FreeRebar(intptr_t key) {
  if (key == -1) {
    while (RebarRecord* rebar = RebarList().First()) Free(rebar);
    return 1;
  }
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return 0;
  Free(rebar);
  return 1;
}

namespace steps {

void FreeAllRebars() {
  FreeRebar(-1);
  for (auto& image : Rebars().backgrounds) image.reset();
  Rebars().widestDesktopWidth = 0;
  Rebars().currentRebar = -1;
}

}  // namespace steps

}  // namespace kelvra
