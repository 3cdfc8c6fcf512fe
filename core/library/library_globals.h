// LibraryGlobals: the process-wide state owned by the library core. Each other
// subsystem keeps its own registries and state in its own folder; this block
// holds what the core itself starts, reads and ends.
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

// The core's settings that Kelvra_Init gives a first value. (Those of menus,
// toolbars and rebars are theirs: commandbars/commandbar_globals.h.)
struct LibrarySettings {
  int32_t markupLinePadding = 0;     // extra pixels under each line of formatted text with "\|"
};

struct LibraryGlobals {
  HINSTANCE instance = nullptr;
  LibraryState state = LibraryState::Loaded;
  bool started = false;  // set once by StartKelvra, never cleared

  // The creation hook (0 while not installed). The menus' hooks are theirs.
  HHOOK callWndProcHook = nullptr;
  DWORD hookThreadId = 0;

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

// The module the library's window classes and windows belong to: Kelvra.dll, or
// the program the library is linked into (before Kelvra_Init has recorded it).
HINSTANCE LibraryModule();

}  // namespace kelvra
