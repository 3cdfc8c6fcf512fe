// A drag of a splitter's bar: from the press that starts it, through the steps
// that the low-level mouse hook asks for, to the one end it has, whichever way
// it comes (the captured release, the capture taken away, the splitter freed).
#pragma once

#include <windows.h>

#include "panels/splitter/splitter_record.h"

namespace kelvra {

// WM_LBUTTONDOWN at the bar page (lParam in its client coordinates).
void StartSplitterDrag(SplitterExRecord& splitter, LPARAM lParam);
// SplitterDragStepMessage at the bar page: the bar follows the pointer.
void StepSplitterDrag(SplitterExRecord& splitter);
// The drag of this splitter ends (nothing happens when none runs): the hook
// and the capture go, the snap bookkeeping runs, SplitterDragEndMessage is
// posted with `lParam` (the release in bar page coordinates) and the bar shows
// hot, or leaves when the pointer is elsewhere. The record may be gone when it
// returns.
void EndSplitterDrag(SplitterExRecord& splitter, LPARAM lParam);
// The same for a splitter being freed: only the hook, the capture and the end
// message.
void AbandonSplitterDrag(SplitterExRecord& splitter);
// True while the drag's own ReleaseCapture is sending WM_CAPTURECHANGED.
bool SplitterReleasingCapture();

// The bar's place under the pointer now, as a mouse message's lParam.
LPARAM PointerLParam(HWND window);
// Posts a splitter message to the bar page's top-level window.
void PostSplitterMessage(HWND barPage, UINT message, LPARAM lParam);

// The bar's hover: the first move over it and its leave.
void OnSplitterBarMouseMove(SplitterExRecord& splitter);
void OnSplitterBarLeave(SplitterExRecord& splitter);

LRESULT CALLBACK SplitterExDragHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
