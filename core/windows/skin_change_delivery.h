// Window enumerations that refresh windows after a skin or colour change, and the
// one that repaints what a closing popup uncovers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace kelvra {

// Context of RefreshWindowSkinsProc and NotifySkinChangedChildProc.
struct SkinRefreshContext {
  DWORD processId;
  LPARAM skin;            // the skin handle; 0 = all skins
  HWND currentTopLevel;   // the top-level window being walked, 0 when it is hidden
  // The windows this walk switched drawing off for (set per top-level window by
  // RefreshWindowSkinsProc): each walk has its own, so a refresh nested in
  // another cannot empty the outer one's.
  std::vector<HWND>* suspended;
};

// Context of SuspendChildRedrawProc.
struct ColourRefreshContext {
  HWND visibleTopLevel;  // the top-level window being walked, 0 when it is hidden
  std::vector<HWND>* suspended;
};

// Context of RepaintUncoveredAreaProc.
struct RepaintUncoveredAreaContext {
  HWND excluded;    // the window above which nothing is redrawn (0: none)
  int32_t started;  // set once the walk has passed the excluded window
  RECT pending;     // screen rectangle still to be redrawn
};

// EnumWindows callback, context: SkinRefreshContext*. For each top-level window of
// the process: its visible direct children have their drawing switched off, every
// descendant is handed SkinChangedMessage by a direct call, then the switched-off
// children are switched on and repainted.
BOOL CALLBACK RefreshWindowSkinsProc(HWND topLevel, LPARAM context);
// EnumChildWindows callback, context: SkinRefreshContext*.
BOOL CALLBACK NotifySkinChangedChildProc(HWND window, LPARAM context);

// EnumWindows callback, context: the process id. Switches the visible direct
// children of each visible top-level window off and on again; the caller repaints.
BOOL CALLBACK RefreshWindowColoursProc(HWND topLevel, LPARAM processId);
// EnumChildWindows callback, context: ColourRefreshContext*.
BOOL CALLBACK SuspendChildRedrawProc(HWND window, LPARAM context);

// EnumWindows callback over the top-level windows from the top of the z-order,
// context: RepaintUncoveredAreaContext*. Redraws the part of the pending rectangle
// each visible window below the excluded one covers; stops once it is all redrawn.
BOOL CALLBACK RepaintUncoveredAreaProc(HWND window, LPARAM context);

// The walks the skin and colour setters run: SkinChangedMessage for `skin` (0: all
// skins) to every window of the process, and the colour refresh.
void RefreshAllWindowSkins(LPARAM skin);
void RefreshAllWindowColours();

}  // namespace kelvra
