// Where a button draws its image and its text: a pure function of the look of the
// state shown, the page's size and the sizes of image and text, shared by the
// painter and by anything that asks where a button's content lies. Pure code: no
// <windows.h>.
#pragma once

#include <cstdint>

#include "panels/page/page_skin_values.h"

namespace kelvra {

// The anchor bits of an image or text placement.
inline constexpr int32_t kAnchorRight = 4;
inline constexpr int32_t kAnchorBottom = 8;

// Where an image or the text sits: x and y, each a pixel offset or (with its
// percent flag) the percentage of the page at which the content's centre lies,
// measured from the right or bottom edge with the anchor bits.
struct ButtonExPlacement {
  int32_t x = 0, y = 0;
  bool xPercent = false, yPercent = false;
  int32_t anchor = 0;  // kAnchorRight | kAnchorBottom
};

// Room kept free around an image or the text.
using ButtonExPadding = SkinEdges;

struct ButtonExLayoutInput {
  int32_t pageWidth = 0, pageHeight = 0;
  ButtonExPlacement image, text;
  ButtonExPadding imagePadding, textPadding;
  int32_t imageWidth = 0, imageHeight = 0;
  bool hasImage = false;  // the normal image list holds an image
  int32_t textWidth = 0, textHeight = 0;
  bool hasText = false;
};

struct ButtonExLayout {
  int32_t imageX = 0, imageY = 0;
  // The rectangle the text is drawn in.
  int32_t textLeft = 0, textTop = 0, textRight = 0, textBottom = 0;
};

// Places image and text by their settings, keeps each inside its padding, and,
// when an image and a text would overlap (paddings included), sets them side by
// side: the text first when the image is anchored to the right, else the image
// first; a pair whose leading member is centred (50 percent) is centred as a pair.
ButtonExLayout LayOutButtonEx(const ButtonExLayoutInput& input);

}  // namespace kelvra
