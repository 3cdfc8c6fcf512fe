// What the rebar exports do, and the rebar work the host window, the hooks and
// the page ask for. User-interface thread only.
#pragma once

#include <windows.h>

#include <cstdint>

#include "commandbars/rebar/rebar_band_layout.h"

namespace kelvra {

struct RebarGadget {
  HWND child = nullptr;
  const wchar_t* text = nullptr;
  int32_t width = 0;
  int32_t minimumWidth = 0;
  int32_t minimumHeight = 0;  // 0: from the child
  HBITMAP background = nullptr;
  uint32_t bandStyle = 0;  // 0: the rebar's template style
};

intptr_t CreateRebar(int32_t number, HWND parent, HBITMAP background, uint32_t flags, int32_t composited);
int32_t AddRebarGadget(const RebarGadget& gadget);
int32_t InsertRebarGadget(intptr_t rebar, int32_t position, const RebarGadget& gadget);
int32_t DeleteRebarBand(intptr_t rebar, int32_t band);
int32_t MoveRebarBand(intptr_t rebar, int32_t from, int32_t to);
int32_t ShowRebarBand(intptr_t rebar, int32_t band, bool show);
int32_t RebarBandID(intptr_t rebar, int32_t index);
int32_t RebarHeight(intptr_t rebar);
int32_t SetRebarStyle(intptr_t rebar, uint32_t style);
intptr_t SetRebarUserCallback(intptr_t rebar, WNDPROC callback);
int32_t FreeRebar(intptr_t rebar);
int32_t SaveRebarLayout(intptr_t rebar, const wchar_t* path);
int32_t LoadRebarLayout(intptr_t rebar, const wchar_t* path);

// Builds (or rebuilds) the shared Office backgrounds; see commandbars_seam.h.
void UpdateRebarBandColours(HBITMAP oldBitmap, HBITMAP newBitmap, uint32_t style);

// Band-edge sizing and band drags.
void InstallRebarMouseHook();
void ApplyRebarBandResize(HWND rebar, int32_t bandIndex, int32_t edge, int32_t y);
void BeginRebarBandDrag(HWND rebar, HWND host, int32_t bandId, int32_t bandIndex);
void EndRebarBandDrag();

// The library paints each band's background itself (the control never does).
bool EraseRebarBackground(HWND rebar, HDC dc);

}  // namespace kelvra
