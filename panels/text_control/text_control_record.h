// The record of a TextControlEx and the defaults new controls take. Guarded by
// TextControlLock.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/library/control_list.h"
#include "core/platform/win_handles.h"
#include "panels/text_control/text_control_layout.h"
#include "core/text/text_control_link.h"

namespace kelvra {

// What the setters given -1 store, and new controls start with.
struct TextControlSettings {
  TextPaddings paddings;
  HFONT font = nullptr;          // 0: the device context's font
  COLORREF textColour = 0;
  COLORREF backgroundColour = 0;
  intptr_t gradient = 0;         // a gradient handle, or 0
  int32_t linePadding = 0;
  uint8_t antialias = 0;
};

// The font a control draws with: a copy of its font, antialiased when asked.
// Shared, so a paint in progress keeps it even if a setter replaces it meanwhile.
struct TextControlFont {
  UniqueFont font;
};

// The last measurement of a control's shown text, with what it was made from
// (held, so that a new text or font is never mistaken for the old one).
struct TextControlMeasure {
  std::shared_ptr<const std::wstring> text;
  std::shared_ptr<const TextControlFont> font;
  int32_t linePadding = 0;
  bool plain = false;
  int32_t width = 0, height = 0;
  std::vector<TextControlExLink> links;  // at the measuring origin (0, 0)
};

struct TextControlExRecord : ControlHead {  // number, window (the panel window)
  HWND Window() const { return static_cast<HWND>(window); }

  // The panel's own number (automatic, so it never equals a window handle or a
  // caller's number): the panel calls name the panel by it.
  int32_t panelNumber = 0;
  std::wstring text;                   // as given, with markup and link codes
  int32_t currentWidth = 0, currentHeight = 0;
  int32_t requestedWidth = 0, requestedHeight = 0;  // 0: that dimension follows the text
  uint32_t style = 0;                  // TextControlStyle
  TextControlSettings settings;        // paddings, font, colours, gradient, line padding, antialias
  std::vector<TextControlExLink> links;  // in page coordinates, refilled at every paint
  int32_t hotNumber = -1;
  int32_t hotIndex = -1;
  int32_t previousHotIndex = -1;

  // Kept per control: a mark shared by all controls would stay set when its
  // control goes, or when the pointer reaches a second control first, and then no
  // control would ask for its leave notice again.
  bool leavePending = false;
  bool handShown = false;              // the page's cursor is the hand

  // Caches: rebuilt when what they follow changes, never per paint.
  std::shared_ptr<const std::wstring> displayText;  // the text as shown for hotIndex
  std::shared_ptr<const TextControlFont> drawFont;  // nullptr: the DC's font
  TextControlMeasure measure;  // kept only for a control with its own font
};

}  // namespace kelvra
