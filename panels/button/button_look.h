// Showing a button's visual state: its stored look copied to the page, and the
// three ways a button is repainted. None of these needs a lock held by the caller,
// and each may send messages: find the record again afterwards.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/button/button_record.h"

namespace kelvra {

// Copies look `state` of the button to its page (background, overlay, border and,
// when the state has one, the cursor) without repainting, and stores `state` as
// the shown one.
void ApplyButtonLook(ButtonExRecord& button, uint8_t state);
// The page's background, overlay and border of a look (and its cursor when
// `withCursor` and the look has one) on the page of the panel numbered
// `panelNumber`; the shown state stays as it is.
void SetButtonPageLook(int32_t panelNumber, const ButtonExLook& look, bool withCursor);

// Repaints the button's page at once (RefreshPanelEx).
void RefreshButton(HWND page);
// Invalidates the button's area in its outermost page and erases it now; the
// page paints on its next WM_PAINT.
void RedrawButtonInOutermostPage(HWND page);
// Repaints the button's area in its root window at once, children and frames
// included.
void RedrawButtonInRoot(HWND panelWindow);

// Shows `state` (ApplyButtonLook) and repaints the page at once. The record may
// be gone when it returns.
void ShowButtonState(ButtonExRecord& button, uint8_t state);

}  // namespace kelvra
