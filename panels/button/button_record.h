// The record of a ButtonEx (push, image, toggle, check and radio buttons): its
// panel and page, its ten image lists, its check and shown states and the ten
// looks read from its skin, which state changes only copy to the page.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/library/control_list.h"
#include "core/platform/win_handles.h"
#include "panels/button/button_layout.h"
#include "panels/page/page_look.h"

namespace kelvra {

// ButtonExVisualState: the ten looks, named as their skin states.
enum ButtonExVisualState : uint8_t {
  kButtonNormal = 0,
  kButtonHot = 1,
  kButtonPressed = 2,
  kButtonDisabled = 3,
  kButtonSelected = 4,
  kButtonSelectedHot = 5,
  kButtonSelectedPressed = 6,
  kButtonInbetween = 7,
  kButtonInbetweenHot = 8,
  kButtonInbetweenPressed = 9,
};
inline constexpr int kButtonExStateCount = 10;

// ButtonExCheckState.
enum ButtonExCheckState : uint8_t {
  kCheckUnselected = 0,
  kCheckSelected = 1,
  kCheckInbetween = 2,  // tri-state buttons only
};

// One visual state's look, as read from the skin (all 0 when the skin gives none):
// the page's look (background, overlay, border) and the button's own content.
struct ButtonExLook : PageLook {
  ButtonExPlacement image, text;
  ButtonExPadding imagePadding, textPadding;
  HFONT font = nullptr;    // 0: DefaultUIFont
  int32_t textColour = 0;  // 0: the system's colour
  HCURSOR cursor = nullptr;  // 0: the page's cursor is left as it is
};

struct ButtonExRecord : ControlHead {  // number, window (the panel window)
  HWND Window() const { return static_cast<HWND>(window); }

  // The panel's own number (automatic, so it never equals a window handle or an
  // application's number): the panel calls name the panel by it, since a window
  // given as a key also matches an application's panel numbered like it.
  int32_t panelNumber = 0;
  HWND page = nullptr;  // the panel's only page; events arrive with it
  // One list per visual state, made when an image is first given for it; a state
  // without one (or with an empty one) draws the normal list.
  std::array<UniqueImageList, kButtonExStateCount> images;
  int32_t width = 0, height = 0;            // as created
  int32_t imageWidth = 0, imageHeight = 0;  // of the normal image; 0 when there is none
  HWND toolTip = nullptr;
  bool disabled = false;
  uint8_t check = kCheckUnselected;  // ButtonExCheckState
  uint8_t shown = kButtonNormal;     // ButtonExVisualState
  uintptr_t skin = 0;
  std::wstring component;  // the skin component its looks come from
  std::wstring text;       // with the formatted-text codes
  std::array<ButtonExLook, kButtonExStateCount> looks;
  int32_t radioGroup = 0;
  bool checkable = false, radio = false, triState = false;

  // The text's measured extent, kept until the text or its font changes.
  HFONT measuredFont = nullptr;
  bool measured = false;
  SIZE textSize{};
};

}  // namespace kelvra
