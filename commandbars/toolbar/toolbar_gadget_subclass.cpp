// ToolBarExGadgetSubclass: combo-box gadgets with hot tracking follow the pointer
// (a hot look while it is over the combo box or its edit) and are drawn flat in
// the toolbar's UI style. CommonSubclassProc offers it every message of combo
// boxes and their edits with WindowMapLock held; the lock is let go around every
// call that sends a message and taken back before returning.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/rebar/rebar_ui_style.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/image/down_arrow.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/win_handles.h"
#include "core/windows/window_map.h"
#include "skin/ui_colours/ui_colour_brush_cache.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/elements/ui_element_painter.h"

namespace kelvra {

namespace {

constexpr int kBorder = 1;
constexpr int kDropButtonWidth = 13;
constexpr int kArrowWidth = 5, kArrowHeight = 3;
constexpr int kEditLeft = 4;
constexpr UINT kRedrawGadget = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW;
constexpr uint32_t kElementFlags = 0x11000;

// The window whose leave notice is asked for: the combo box or its edit, the one
// the pointer is over (at most one per thread, as TrackMouseEvent allows).
HWND& TrackedWindow() {
  static HWND tracked = nullptr;
  return tracked;
}

// Lets WindowMapLock go for a call that sends messages, and takes it back after.
class MapLockReleased {
 public:
  MapLockReleased() : held_(Locks().windowMap.HeldByCurrentThread()) {
    if (held_) Locks().windowMap.Release();
  }
  ~MapLockReleased() {
    if (held_) Locks().windowMap.TryAcquire();
  }
  MapLockReleased(const MapLockReleased&) = delete;
  MapLockReleased& operator=(const MapLockReleased&) = delete;

 private:
  bool held_;
};

ToolBarExButtonRecord* GadgetButton(HWND gadget) {
  for (ToolBarExButtonRecord* button : ToolBarExButtonsWithGadget(gadget))
    if (button->hotTracking) return button;
  return nullptr;
}

// The gadget's rectangle in its toolbar is drawn again (the toolbar's custom draw
// shows the button behind it hot or pressed).
void RedrawGadgetPlace(HWND gadget, HWND toolbar) {
  RECT rect{};
  GetClientRect(gadget, &rect);
  MapWindowPoints(gadget, toolbar, reinterpret_cast<POINT*>(&rect), 2);
  const MapLockReleased unlocked;
  RedrawWindow(toolbar, &rect, nullptr, kRedrawGadget);
}

void SetHot(HWND gadget, bool hot) {
  ToolBarExButtonRecord* button = GadgetButton(gadget);
  if (!button || ((button->buttonFlags & kToolBarExButtonHot) != 0) == hot) return;
  if (hot) button->buttonFlags |= kToolBarExButtonHot;
  else button->buttonFlags &= ~kToolBarExButtonHot;
  RedrawGadgetPlace(gadget, button->toolbarWindow);
}

void OnMouseMove(HWND window, HWND gadget) {
  // Tracked on every move into it, combo box or edit: tracking only while the hot
  // bit was clear lost the leave of an edit the pointer had moved onto.
  if (TrackedWindow() != window) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    if (TrackMouseEvent(&track)) TrackedWindow() = window;
  }
  SetHot(gadget, true);
}

void OnMouseLeave(HWND window, HWND gadget) {
  if (TrackedWindow() == window) TrackedWindow() = nullptr;
  POINT cursor{};
  GetCursorPos(&cursor);
  const HWND under = WindowFromPoint(cursor);
  if (under == gadget || (under && IsChild(gadget, under))) return;
  SetHot(gadget, false);
}

uint32_t StyleOf(const ToolBarExButtonRecord& button) {
  const uint32_t own = button.toolbar ? button.toolbar->uiStyle : 0;
  return own ? own : RebarUIStyleOf(GetParent(button.toolbarWindow));
}

void FillWhite(HDC dc, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  RECT rect{left, top, right, bottom};
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// The edit of a combo box starts 4 pixels in and ends 16 before the right edge,
// clear of the drop button.
void PlaceEdit(HWND combo, HWND edit, const RECT& client) {
  RECT rect{};
  GetWindowRect(edit, &rect);
  MapWindowPoints(HWND_DESKTOP, combo, reinterpret_cast<POINT*>(&rect), 2);
  const int width = client.right - kEditLeft - (kDropButtonWidth + kEditLeft - 1);
  if (rect.left == kEditLeft && rect.right - rect.left == width) return;
  const MapLockReleased unlocked;
  SetWindowPos(edit, nullptr, kEditLeft, rect.top, width, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

LRESULT PaintFlatCombo(HWND combo, const ToolBarExButtonRecord& found) {
  const uint32_t style = StyleOf(found);
  const bool hot = (found.buttonFlags & kToolBarExButtonHot) != 0;
  const bool dropped = (found.buttonFlags & kToolBarExButtonDroppedDown) != 0;
  RECT client{};
  GetClientRect(combo, &client);
  const HWND edit = GetWindow(combo, GW_CHILD);
  RECT editRect{};
  if (edit) {
    PlaceEdit(combo, edit, client);
    GetWindowRect(edit, &editRect);
    MapWindowPoints(HWND_DESKTOP, combo, reinterpret_cast<POINT*>(&editRect), 2);
  }

  const MapLockReleased unlocked;  // BeginPaint sends WM_ERASEBKGND and WM_NCPAINT
  PaintDc paint(combo);
  const HDC dc = paint.get();
  const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FrameRect(dc, &client, hot || dropped ? LookupUIColourBrush(style, kMenuHotBorder) : white);

  const RECT inside{client.left + kBorder, client.top + kBorder, client.right - kBorder, client.bottom - kBorder};
  const RECT drop{client.right - kBorder - kDropButtonWidth, client.top + kBorder, client.right - kBorder,
                  client.bottom - kBorder};
  if (edit) {
    FillWhite(dc, inside.left, inside.top, drop.left, editRect.top);
    FillWhite(dc, inside.left, editRect.bottom, drop.left, inside.bottom);
    FillWhite(dc, inside.left, editRect.top, editRect.left, editRect.bottom);
    FillWhite(dc, editRect.right, editRect.top, drop.left, editRect.bottom);
  } else {
    FillWhite(dc, inside.left, inside.top, drop.left, inside.bottom);
  }

  if (dropped) PaintUIElement(dc, style, kSelectGradientColour1, drop, kElementFlags);
  else if (hot) PaintUIElement(dc, style, kToolBarHotGradientColour1, drop, kElementFlags);
  else FillRect(dc, &drop, white);
  FrameRect(dc, &drop, white);
  const int arrowX = drop.left + (drop.right - drop.left - kArrowWidth) / 2;
  const int arrowY = drop.top + (drop.bottom - drop.top - kArrowHeight) / 2;
  FillDownArrow(dc, arrowX, arrowY, kArrowWidth, kArrowHeight, RGB(0, 0, 0));

  if (!edit) {
    // The combo box's own procedure draws its text, kept off the frame and the
    // drop button.
    WNDPROC own = nullptr;
    if (Locks().windowMap.TryAcquire()) {
      if (const WindowMapEntry* entry = GetWindowMap().Find(combo)) own = entry->savedProcedure;
      Locks().windowMap.Release();
    }
    if (own) {
      UniqueRegion clip(CreateRectRgn(2, 2, client.right - kDropButtonWidth - 6, client.bottom - 2));
      SelectClipRgn(dc, clip.get());
      CallWindowProcW(own, combo, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      SelectClipRgn(dc, nullptr);
    }
  }
  return 1;
}

}  // namespace

LRESULT ToolBarExGadgetSubclass(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != WM_MOUSEMOVE && message != WM_MOUSELEAVE && message != WM_PAINT) return 0;
  const WindowMapEntry* entry = GetWindowMap().Find(window);
  if (!entry || (entry->kind != WindowKindComboBox && entry->kind != WindowKindComboEdit)) return 0;
  const bool isCombo = entry->kind == WindowKindComboBox;
  const HWND gadget = isCombo ? window : GetParent(window);
  const ToolBarExButtonRecord* button = GadgetButton(gadget);
  if (!button) return 0;
  switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(window, gadget); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(window, gadget); return 0;
    case WM_PAINT: return isCombo ? PaintFlatCombo(window, *button) : 0;
    default: return 0;
  }
}

}  // namespace kelvra
