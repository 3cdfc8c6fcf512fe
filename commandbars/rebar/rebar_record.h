// The records of rebars: one per rebar control, one per band, and the library's
// own band-style bits that ride in a band's fStyle beside the control's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "core/library/control_list.h"

namespace kelvra {

// The band fills the host window's free client height (either bit).
inline constexpr uint32_t kRebarBandFillParent = 0x20000;
inline constexpr uint32_t kRebarBandFillParentToo = 0x40000;
inline constexpr uint32_t kRebarBandFillBits = kRebarBandFillParent | kRebarBandFillParentToo;
// The band's top and bottom edges can be dragged.
inline constexpr uint32_t kRebarBandSizableHeight = 0x800000;

// CreateRebar's flag bits for the UI styles. As window styles they would be
// WS_MAXIMIZE and WS_MINIMIZE: they never reach the control.
inline constexpr uint32_t kRebarOffice2003 = 0x1000000;
inline constexpr uint32_t kRebarOffice2007 = 0x2000000;
inline constexpr uint32_t kRebarUIStyleBits = kRebarOffice2003 | kRebarOffice2007;

// The band layout every version of the control reads.
inline constexpr UINT kRebarBandInfoSize = 80;

struct RebarRecord : ControlHead {
  // number, window (the rebar control): the ControlHead.
  HWND parent = nullptr;            // the host window
  REBARBANDINFOW bandTemplate{};    // what AddRebarGadget fills for each new band
  HBITMAP background = nullptr;     // the bands' background (an Office style's shared image)
  HBITMAP defaultBackground = nullptr;  // as given at creation
  uint32_t uiStyle = 0;             // 0, kRebarOffice2003 or kRebarOffice2007
  WNDPROC userCallback = nullptr;
  int32_t bandCounter = 0;          // the id of the next band
  uint8_t bandBordersRemoved = 0;
  int8_t compositedRequest = 0;     // -1: the host gives the rebar composited styles once
  uint8_t compositedDone = 0;
  // Each rebar keeps the height it announced last, so two rebars never hide or
  // repeat each other's announcements.
  int32_t lastNotifiedHeight = 0;

  HWND Window() const { return static_cast<HWND>(window); }
};

struct RebarBandRecord {
  HWND host = nullptr;
  HWND rebar = nullptr;
  HWND child = nullptr;
  int32_t bandId = 0;
  int32_t savedChildHeight = 0;  // own cyMinChild while matched to a row's fill band
  int32_t fillMargin = 0;        // a fill band's margin, measured once
  HBITMAP background = nullptr;  // as given to AddRebarGadget
  int8_t visible = -1;           // -1 shown, 0 hidden
};

}  // namespace kelvra
