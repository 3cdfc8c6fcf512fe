// LibraryGlobals: the process-wide state owned by the library core. Each other
// subsystem keeps its own registries in its own files; this block holds what the
// core itself starts, reads and ends.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

namespace kelvra {

enum class LibraryState { Loaded, Initialised, Started, Ended };

struct CommonControlsVersion {
  DWORD major = 0, minor = 0, build = 0;
};

// Settings that Kelvra_Init gives a first value; their owners read and write them.
struct LibrarySettings {
  int32_t rebarInsertPosition = -2;  // AddRebarGadget's insertion position
  int32_t rebarMouseHookState = -1;
  int32_t lastRebarId = -1;
  int32_t currentToolBarEx = -1;     // the toolbar that new buttons go to
  int32_t lastMenuExId = -1;
  int32_t lastPopupMenuExId = -1;
  int32_t menuKeyboardIndex[3] = {-1, -1, -1};
  int32_t menuImageWidth = 16;
  int32_t menuImageHeight = 16;
  int32_t markupLinePadding = 0;     // extra pixels under each line of formatted text with "\|"
  int32_t hostSizingFlag = 0;        // -1 while a host window or rebar band is being sized
};

struct LibraryGlobals {
  HINSTANCE instance = nullptr;
  LibraryState state = LibraryState::Loaded;
  bool started = false;  // set once by StartKelvra, never cleared

  // Hooks (0 while not installed).
  HHOOK callWndProcHook = nullptr;
  DWORD hookThreadId = 0;
  HHOOK menuKeyboardHook = nullptr;
  HHOOK hotKeyMessageHook = nullptr;
  HHOOK rebarMouseHook = nullptr;

  // System cursors (shared; never destroyed).
  HCURSOR arrowCursor = nullptr;
  HCURSOR handCursor = nullptr;
  HCURSOR sizeWECursor = nullptr;
  HCURSOR sizeNSBandCursor = nullptr;  // rebar band sizing
  HCURSOR sizeNSCursor = nullptr;      // rebars and splitter bars

  // Built-in glyphs decoded from the library's stored icons.
  HICON emptyIcon = nullptr;
  HIMAGELIST glyphList1 = nullptr;
  HIMAGELIST glyphList2 = nullptr;

  HFONT defaultUIFont = nullptr;
  BOOL dropShadowSetting = FALSE;
  CommonControlsVersion comctlVersion;
  int32_t osVersionCode = 0;  // compared with 70: 70 and above is NT 6.0 or later
  FARPROC gdiAlphaBlend = nullptr;

  // The animation thread and its mailbox (mailbox guarded by the animation lock).
  HANDLE animationThread = nullptr;
  DWORD animationThreadId = 0;
  HWND volatile animationMailbox = nullptr;

  LibrarySettings settings;
};

LibraryGlobals& Globals();

}  // namespace kelvra
