// Where rebars live: the rebar and band lists and the process-wide rebar state.
// Rebars are made, used and freed on the user-interface thread; no lock.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "commandbars/rebar/rebar_record.h"
#include "core/image/runtime_image.h"
#include "core/library/control_list.h"

namespace kelvra {

ControlList<RebarRecord>& RebarList();
ControlList<RebarBandRecord>& RebarBandList();

// A band-edge drag in progress: band -1 when none.
struct BandEdgeSizing {
  int32_t band = -1;
  int32_t edge = 0;  // 0 top, -1 bottom
  HWND rebar = nullptr;
  HWND host = nullptr;
  int32_t lastY = INT32_MIN;
  int32_t cursorMode = 0;  // -1 near an edge, -2 sizing, 0 neither
  bool hostResized = false;
  RECT hostBefore{};  // the host before the drag's first move
  RECT hostNow{};
};

// A native band drag between RBN_BEGINDRAG and RBN_ENDDRAG.
struct BandDrag {
  HWND rebar = nullptr;
  HWND host = nullptr;
  int32_t bandId = 0;
  int32_t startIndex = -1;
  int32_t startRows = 0;
  bool redrawOff = false;  // the drag hook switched the rebar's drawing off
};

struct RebarState {
  int32_t currentRebar = -1;  // number of the rebar AddRebarGadget adds to
  // The shared background of each Office style (2003, 2007), built for the widest
  // desktop seen.
  std::unique_ptr<image::RuntimeImage> backgrounds[2];
  int32_t widestDesktopWidth = 0;
  BandEdgeSizing sizing;
  BandDrag drag;
};

RebarState& Rebars();

// The first rebar whose number or window is `key`.
RebarRecord* FindRebar(intptr_t key);
RebarRecord* FindRebarByWindow(HWND window);
// The rebar AddRebarGadget adds to; nullptr when there is none or it is gone.
RebarRecord* CurrentRebarRecord();

// The band records of a rebar, in list order.
std::vector<RebarBandRecord*> RebarBandsOf(HWND rebar);
// A band's lParam, once found among the rebar's band records: a band the
// application inserted itself carries its own value, which is no record of ours.
RebarBandRecord* RebarBandFromParam(HWND rebar, LPARAM param);
RebarBandRecord* RebarBandById(HWND rebar, int32_t id);

// Which of the shared backgrounds a style uses: 0, 1, or -1 for none.
inline int RebarBackgroundSlot(uint32_t style) {
  return style == kRebarOffice2003 ? 0 : style == kRebarOffice2007 ? 1 : -1;
}
HBITMAP RebarBackgroundBitmap(uint32_t style);

}  // namespace kelvra
