// What the text-control tests share: controls on the panel tests' host, their
// records, a paint of a control into a DIB through its callback (as the page
// painter calls it) and the sizes the renderer gives a text.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/library/library_globals.h"
#include "core/text/formatted_text.h"
#include "panels/text_control/text_control_operations.h"
#include "panels/text_control/text_control_registry.h"
#include "tests/panels/panel/panel_test_support.h"

namespace kelvra::test {

inline HWND ControlWindow(int numberOrWindow) {
  const HWND byNumber = TextControlExID(numberOrWindow);
  return byNumber ? byNumber : PanelWindow(numberOrWindow);
}
inline HWND PageOf(int control) { return GetWindow(ControlWindow(control), GW_CHILD); }

// Reads a control's record under TextControlLock.
template <class Read>
auto WithControl(int control, Read&& read) {
  LockGuard lock(Locks().textControl);
  return read(*FindTextControl(control));
}

inline HFONT DefaultTextFont() {
  LockGuard lock(Locks().textControl);
  return TextControlDefaults().font;
}

// Paints the control's page as the page painter does: its callback gets
// WM_PAINT with a DC whose origin is the page's top-left corner.
inline void PaintInto(int control, Dib32& dib) {
  const HWND page = PageOf(control);
  TextControlExEventProc(page, WM_PAINT, reinterpret_cast<WPARAM>(dib.dc()),
                         reinterpret_cast<LPARAM>(GetParent(page)));
}
inline void PaintOnce(int control) {
  Dib32 dib(std::max(1, TextControlExWidth(control)), std::max(1, TextControlExHeight(control)));
  PaintInto(control, dib);
}

// The renderer's size of a text in a font, and the links it finds (at 0, 0).
inline SIZE MeasureMarkup(const std::wstring& text, HFONT font, int linePadding = 0,
                          std::vector<TextControlExLink>* links = nullptr) {
  Dib32 dib(1, 1);
  Globals().settings.markupLinePadding = linePadding;
  RECT extent{0, 0, 0, 0};
  DrawFormattedText(dib.dc(), text, &extent, font,
                    FormattedTextFlags::MeasureOnly | (links ? FormattedTextFlags::CollectLinks : 0), links);
  return SIZE{extent.right - extent.left, extent.bottom - extent.top};
}

// True when two images show the same colours (alpha aside: the screen has none).
inline bool SameColours(const Dib32& a, const Dib32& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if ((a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF)) return false;
  return true;
}

inline RECT WindowRectOf(int control) {
  RECT rect{};
  GetWindowRect(ControlWindow(control), &rect);
  return rect;
}

}  // namespace kelvra::test
