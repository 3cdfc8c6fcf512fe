// Where a button's image and text go, without windows: placements, anchors,
// paddings that clamp, and the side-by-side rule for an image and a text that
// would overlap.
#include <gtest/gtest.h>

#include <string>

#include "panels/button/button_layout.h"

namespace kelvra {
namespace {

ButtonExPlacement Centred() { return ButtonExPlacement{50, 50, true, true, 0}; }

// The built-in push button's settings: both centred, paddings 2/6/2/4 and 2/2/2/6.
ButtonExLayoutInput PushButton(int32_t width, int32_t height) {
  ButtonExLayoutInput in;
  in.pageWidth = width;
  in.pageHeight = height;
  in.image = Centred();
  in.text = Centred();
  in.imagePadding = ButtonExPadding{2, 6, 2, 4};
  in.textPadding = ButtonExPadding{2, 2, 2, 6};
  return in;
}

ButtonExLayoutInput WithImage(ButtonExLayoutInput in, int32_t w, int32_t h) {
  in.imageWidth = w;
  in.imageHeight = h;
  in.hasImage = true;
  return in;
}

ButtonExLayoutInput WithText(ButtonExLayoutInput in, int32_t w, int32_t h) {
  in.textWidth = w;
  in.textHeight = h;
  in.hasText = true;
  return in;
}

std::string Text(const ButtonExLayout& l) {
  return "image " + std::to_string(l.imageX) + "," + std::to_string(l.imageY) + " text " +
         std::to_string(l.textLeft) + "," + std::to_string(l.textTop) + "-" + std::to_string(l.textRight) + "," +
         std::to_string(l.textBottom);
}

TEST(ButtonLayout, Cases) {
  ButtonExLayoutInput anchoredRight = WithImage(PushButton(100, 40), 16, 16);
  anchoredRight.image = ButtonExPlacement{4, 0, false, false, kAnchorRight | kAnchorBottom};
  ButtonExLayoutInput rightThenCentredPair = WithText(WithImage(PushButton(100, 30), 16, 16), 30, 14);
  rightThenCentredPair.image.anchor = kAnchorRight;
  ButtonExLayoutInput textFirstUncentred = rightThenCentredPair;
  textFirstUncentred.image.x = 10;
  textFirstUncentred.image.xPercent = false;
  ButtonExLayoutInput tooSmall = WithText(PushButton(20, 10), 40, 14);
  ButtonExLayoutInput glyphLeft = WithText(WithImage(PushButton(120, 24), 16, 16), 40, 14);
  glyphLeft.image = ButtonExPlacement{0, 50, false, true, 0};  // x: 0; y: centre
  glyphLeft.text = ButtonExPlacement{0, 50, false, true, 0};
  glyphLeft.imagePadding = ButtonExPadding{2, 0, 2, 4};
  glyphLeft.textPadding = ButtonExPadding{2, 2, 2, 6};
  ButtonExLayoutInput apart = WithText(WithImage(PushButton(200, 40), 16, 16), 30, 14);
  apart.image = ButtonExPlacement{10, 10, false, false, 0};
  apart.text = ButtonExPlacement{150, 10, false, false, 0};
  ButtonExLayoutInput huge = WithText(PushButton(100, 30), 30, 14);
  huge.textPadding = ButtonExPadding{0, 0x7FFFFFFF, 0, 0x7FFFFFFF};

  struct Case {
    const char* name;
    ButtonExLayoutInput in;
    const char* expected;
  } cases[] = {
      // 100 * 50% - 8 = 42 across, 20 - 8 = 12 down.
      {"icon centred", WithImage(PushButton(100, 40), 16, 16), "image 42,12 text 50,20-94,20"},
      {"text centred", WithText(PushButton(100, 40), 30, 14), "image 50,20 text 35,13-94,27"},
      // Side by side, centred as a pair: (16 + 4 + 2 + 30) / 2 = 26 from 50: 24,
      // and the text after the image and both paddings.
      {"icon and text centred as a pair", WithText(WithImage(PushButton(100, 30), 16, 16), 30, 14),
       "image 24,7 text 46,8-94,22"},
      {"image anchored right and bottom", anchoredRight, "image 80,22 text 50,20-94,20"},
      // The text goes first, the pair centred by the image's 50 percent:
      // (30 + 6 + 6 + 16) / 2 = 29 from 50.
      {"image anchored right, text first", rightThenCentredPair, "image 63,7 text 21,8-94,22"},
      // The text keeps its place; the image follows it.
      {"text first, not centred", textFirstUncentred, "image 77,7 text 35,8-94,22"},
      // Too large for its padding: the near edge wins.
      {"padding clamps", tooSmall, "image 10,5 text 2,2-14,16"},
      {"glyph and text of a check box", glyphLeft, "image 0,4 text 22,5-114,19"},
      {"far apart: no side by side", apart, "image 10,10 text 150,10-194,24"},
      {"absurd paddings do not overflow", huge, "image 50,15 text 1048576,8--1048476,22"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(LayOutButtonEx(c.in)), c.expected) << c.name;
}

}  // namespace
}  // namespace kelvra
