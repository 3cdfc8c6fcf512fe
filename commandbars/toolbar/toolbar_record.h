// The records of ToolBarEx toolbars: a toolbar, each of its buttons (separators
// and gadget slots included) and the tool-tip texts of command ids.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "core/library/control_list.h"

namespace kelvra {

// ToolBarExFlags: the library's bits of CreateToolBarEx's flags word. Everything
// else is Win32 toolbar and common-control style.
inline constexpr uint32_t kToolBarExHideClipped = 0x800000;    // TBSTYLE_EX_HIDECLIPPEDBUTTONS too
inline constexpr uint32_t kToolBarExOffice2003 = 0x1000000;
inline constexpr uint32_t kToolBarExOffice2007 = 0x2000000;
inline constexpr uint32_t kToolBarExImageOnly = 0x4000000;
// As window styles these would be WS_BORDER, WS_MAXIMIZE, WS_CLIPCHILDREN and
// WS_CLIPSIBLINGS: they stay in the record and never reach the control.
inline constexpr uint32_t kToolBarExLibraryBits = 0x07800000;
inline constexpr uint32_t kUIStyleImageOnly = 0x4000000;

// A toolbar made without an image size has no image lists: its fields hold this.
inline const HIMAGELIST kNoImageList = reinterpret_cast<HIMAGELIST>(static_cast<intptr_t>(-1));

struct ToolBarExRecord : ControlHead {
  // number, window (the toolbar control): the ControlHead.
  HWND parent = nullptr;  // the host window given at creation
  uint32_t flags = 0;     // as given, with TBSTYLE_TOOLTIPS
  HIMAGELIST normalList = kNoImageList;
  HIMAGELIST hotList = kNoImageList;
  HIMAGELIST disabledList = kNoImageList;
  int32_t adjustedButtonHeight = 0;  // 0 until an Office or image-only size was set
  uint32_t uiStyle = 0;              // 0, Office 2003, Office 2007, image-only, or any value set
  uint8_t menuBar = 0;               // 1 for the bar of a MenuEx
  int32_t rowCount = 1;              // last row count the rebar code saw

  HWND toolTipWindow = nullptr;  // the control's own tool-tip window, as made with it

  HWND Window() const { return static_cast<HWND>(window); }
  bool HasImageLists() const { return normalList != kNoImageList; }
};

// ToolBarExButtonFlags.
inline constexpr uint32_t kToolBarExButtonHot = 0x1;
inline constexpr uint32_t kToolBarExButtonDroppedDown = 0x2;

struct ToolBarExGadgetMargins {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Separators and gadget slots carry this in place of icons.
inline const HANDLE kNoButtonIcon = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

struct ToolBarExButtonRecord {
  int32_t commandId = 0;
  int32_t toolbarNumber = 0;
  HWND toolbarWindow = nullptr;
  ToolBarExRecord* toolbar = nullptr;
  // The icons as given or derived; given ones stay the caller's. A derived
  // disabled icon was destroyed once copied: only its value is kept.
  HANDLE normalIcon = kNoButtonIcon;
  HANDLE hotIcon = kNoButtonIcon;
  HANDLE disabledIcon = kNoButtonIcon;
  uint8_t disabledDerived = 0;  // 1: the disabled image is the normal one tinted
  int32_t tintStyle = 0;        // the UI style it was tinted for (0 when not derived)
  std::wstring label;           // as given, markup kept (the custom draw renders it)
  int32_t separator = 0;        // 1 for a separator
  HWND gadget = nullptr;        // the embedded child window, 0 for none
  uint8_t hotTracking = 0;      // the gadget reacts to the pointer
  uint32_t buttonFlags = 0;     // ToolBarExButtonFlags
  ToolBarExGadgetMargins margins;
};

// One text per command id, shared by every toolbar.
struct ToolBarExToolTipRecord {
  int32_t commandId = 0;
  std::wstring text;
  std::string narrowText;  // made when a tool tip asks with TTN_GETDISPINFOA
};

}  // namespace kelvra
