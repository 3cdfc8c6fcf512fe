// TextControlExEventProc, the panel callback of every text control: paints, tracks
// the hot link under the pointer and reports it to the parent of the control's
// panel. Records are read and changed under TextControlLock; the cursor, the
// repaint, the posts and the leave request come after it is released.
#include "core/library/library_globals.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "kelvra.h"
#include "panels/page/page_settings.h"
#include "panels/text_control/text_control_operations.h"
#include "panels/text_control/text_control_paint.h"
#include "panels/text_control/text_control_registry.h"

namespace kelvra {

namespace {

// What a change of the hot link asks for once the lock is released.
struct HotChange {
  int32_t panelNumber = 0;
  bool changed = false;       // the hot index differs from the previous one
  int32_t number = -1;        // the hot link's number, -1 for none
  bool setCursor = false;     // the page's cursor must follow
  bool hand = false;
  bool trackLeave = false;    // no leave notice is pending yet
};

HWND PanelOf(HWND page) { return GetParent(page); }

void Report(HWND panel, UINT message, int32_t number) {
  if (const HWND parent = GetParent(panel)) PostMessageW(parent, message, static_cast<WPARAM>(number), 0);
}

void Apply(HWND page, const HotChange& change) {
  if (change.setCursor)
    SetPageCursor(change.panelNumber, 0, change.hand ? reinterpret_cast<intptr_t>(Globals().handCursor) : 0);
  if (change.changed) {
    Report(PanelOf(page), TextLinkHotMessage, change.number);
    RefreshPanelEx(change.panelNumber);
  }
}

// The hot link (or none) becomes `index`; the record's shown text follows it.
void SetHot(TextControlExRecord& record, int32_t index, HotChange& change) {
  change.panelNumber = record.panelNumber;
  record.hotIndex = index;
  record.hotNumber = index >= 0 ? record.links[static_cast<size_t>(index)].number : -1;
  change.changed = index != record.previousHotIndex;
  if (change.changed) record.displayText.reset();
  change.number = record.hotNumber;
  change.hand = index >= 0;
  change.setCursor = change.hand != record.handShown;
  record.handShown = change.hand;
  record.previousHotIndex = index;
}

LRESULT OnMouseMove(HWND page, LPARAM lParam) {
  HotChange change;
  {
    LockGuard lock(Locks().textControl);
    TextControlExRecord* record = lock ? TextControlList().FindByWindow(PanelOf(page)) : nullptr;
    if (!record || record->links.empty()) return 0;
    const auto x = static_cast<int32_t>(LOWORD(lParam));
    const auto y = static_cast<int32_t>(HIWORD(lParam));
    SetHot(*record, HitTestTextLinks(record->links, x, y), change);
    change.trackLeave = !record->leavePending;
    record->leavePending = true;
  }
  Apply(page, change);
  if (!change.trackLeave) return 0;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, page, 0};
  if (TrackMouseEvent(&track)) return 0;
  // Not tracked: the next move asks again.
  LockGuard lock(Locks().textControl);
  if (TextControlExRecord* record = lock ? TextControlList().FindByWindow(PanelOf(page)) : nullptr)
    record->leavePending = false;
  return 0;
}

LRESULT OnMouseLeave(HWND page) {
  HotChange change;
  {
    LockGuard lock(Locks().textControl);
    TextControlExRecord* record = lock ? TextControlList().FindByWindow(PanelOf(page)) : nullptr;
    if (!record || !record->leavePending) return 0;
    record->leavePending = false;
    if (record->hotIndex < 0) return 0;
    SetHot(*record, -1, change);
  }
  Apply(page, change);
  return 0;
}

LRESULT OnButtonDown(HWND page) {
  int32_t number = -1;
  {
    LockGuard lock(Locks().textControl);
    const TextControlExRecord* record = lock ? TextControlList().FindByWindow(PanelOf(page)) : nullptr;
    if (!record || record->hotIndex < 0) return 0;
    number = record->hotNumber;
  }
  Report(PanelOf(page), TextLinkClickedMessage, number);
  return 0;
}

}  // namespace

LRESULT CALLBACK TextControlExEventProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_PAINT: PaintTextControl(page, reinterpret_cast<HDC>(wParam)); return 0;
      case WM_MOUSEMOVE: return OnMouseMove(page, lParam);
      case WM_MOUSELEAVE: return OnMouseLeave(page);
      case WM_LBUTTONDOWN: return OnButtonDown(page);
      default: return 0;
    }
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvra
