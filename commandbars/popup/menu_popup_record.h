// MenuExPopupRecord: one per open popup window of a MenuEx tracking, in the
// MenuExPopupList (guarded by MenuLock). Its address is the window's
// GWLP_USERDATA; the records of one tracking form the open popup chain through
// `parent`, innermost in MenuTracking().openPopupChain.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvra {

struct MenuExRecord;

struct MenuExPopupRecord {
  MenuExRecord* menuRecord = nullptr;  // the tracked record (root), or the submenu's first record
  int32_t savedStyle = -1;             // the submenu record's own style while it shows the root's; -1 unchanged
  int32_t left = 0;                    // left edge given at the placement that showed it
  HMENU menuHandle = nullptr;          // the submenu shown; 0 in the root popup
  MenuExPopupRecord* parent = nullptr; // the enclosing popup's record
  HWND window = nullptr;
  int32_t placements = 0;              // WM_WINDOWPOSCHANGING messages that moved or sized it
  HWND bottomShadowWindow = nullptr;
  HWND hiddenWindow = nullptr;         // shown again (SW_SHOWNA) when this popup goes
  int32_t bottomShadowFlags = 0;
  int32_t bottomShadowX = 0, bottomShadowY = 0, bottomShadowLength = 0;
  HWND shadowWindow = nullptr;         // made in place of the hidden window, destroyed with the popup
  int32_t thirdShadowX = 0, thirdShadowY = 0, thirdShadowLength = 0;
  HWND thirdShadowWindow = nullptr;
  int32_t savedValue = 0;
  // The window's own state beside the fields above.
  bool systemFrame = true;             // the system gave the window a frame of its own (else it draws one inside)
  bool placed = false;                 // its cascade and monitor fit have run
  bool shadowDue = false;              // placed at last: its shadow follows once the move is done
};

// The records in the order their windows were created. The caller holds MenuLock.
std::vector<std::unique_ptr<MenuExPopupRecord>>& MenuExPopupList();

// The screen rectangles of the open popup windows of this tracking: those of the
// popup records, or (while no record was made for them) the thread's shown
// system popup menu windows. The caller holds MenuLock.
std::vector<RECT> OpenPopupWindowRects();

// Whether `point` lies in one of `rects`, edges included.
bool PointInPopupRects(POINT point, const std::vector<RECT>& rects);

}  // namespace kelvra
