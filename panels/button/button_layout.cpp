// LayOutButtonEx: image and text positions from their placements and paddings.
#include "panels/button/button_layout.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// One axis of a placement: a percentage puts the content's centre there, an
// anchor measures from the far edge.
int32_t Place(int32_t setting, bool percent, bool fromFarEdge, int32_t extent, int32_t size) {
  int32_t position = setting;
  if (percent) position = static_cast<int32_t>(std::lround(extent * static_cast<double>(setting) / 100.0 - size / 2.0));
  if (fromFarEdge) position = extent - size - position;
  return position;
}

// Keeps [position, position + size) inside the padding of one axis; the near
// edge wins when the content does not fit.
int32_t KeepInside(int32_t position, int32_t size, int32_t nearPadding, int32_t farPadding, int32_t extent) {
  if (position < nearPadding) return nearPadding;
  if (position + size > extent - farPadding) return extent - (size + farPadding);
  return position;
}

// Half-open spans [a0, a1) and [b0, b1) share a point.
bool Meet(int32_t a0, int32_t a1, int32_t b0, int32_t b1) { return a0 < b1 && b0 < a1; }

bool CentredSetting(const ButtonExPlacement& placement) { return placement.xPercent && placement.x == 50; }

// Skins may hold any 32-bit number; no window is larger than this, and sums of a
// few such values stay far inside 32 bits.
constexpr int32_t kLimit = 1 << 20;
int32_t Bound(int32_t value) { return std::clamp(value, -kLimit, kLimit); }

ButtonExPlacement Bound(ButtonExPlacement p) {
  p.x = Bound(p.x);
  p.y = Bound(p.y);
  return p;
}

ButtonExPadding Bound(ButtonExPadding p) {
  p.top = Bound(p.top);
  p.left = Bound(p.left);
  p.bottom = Bound(p.bottom);
  p.right = Bound(p.right);
  return p;
}

ButtonExLayoutInput Bound(ButtonExLayoutInput in) {
  in.pageWidth = Bound(in.pageWidth);
  in.pageHeight = Bound(in.pageHeight);
  in.image = Bound(in.image);
  in.text = Bound(in.text);
  in.imagePadding = Bound(in.imagePadding);
  in.textPadding = Bound(in.textPadding);
  in.imageWidth = Bound(in.imageWidth);
  in.imageHeight = Bound(in.imageHeight);
  in.textWidth = Bound(in.textWidth);
  in.textHeight = Bound(in.textHeight);
  return in;
}

}  // namespace

ButtonExLayout LayOutButtonEx(const ButtonExLayoutInput& given) {
  const ButtonExLayoutInput in = Bound(given);
  const int32_t width = in.pageWidth, height = in.pageHeight;
  const ButtonExPadding& ip = in.imagePadding;
  const ButtonExPadding& tp = in.textPadding;

  int32_t imageX = Place(in.image.x, in.image.xPercent, in.image.anchor & kAnchorRight, width, in.imageWidth);
  int32_t imageY = Place(in.image.y, in.image.yPercent, in.image.anchor & kAnchorBottom, height, in.imageHeight);
  int32_t textX = Place(in.text.x, in.text.xPercent, in.text.anchor & kAnchorRight, width, in.textWidth);
  const int32_t textY0 = Place(in.text.y, in.text.yPercent, in.text.anchor & kAnchorBottom, height, in.textHeight);

  imageX = KeepInside(imageX, in.imageWidth, ip.left, ip.right, width);
  imageY = KeepInside(imageY, in.imageHeight, ip.top, ip.bottom, height);
  textX = KeepInside(textX, in.textWidth, tp.left, tp.right, width);
  const int32_t textY = KeepInside(textY0, in.textHeight, tp.top, tp.bottom, height);

  const bool overlap =
      in.hasImage && in.hasText &&
      Meet(imageX - ip.left, imageX + in.imageWidth + ip.right, textX - tp.left, textX + in.textWidth + tp.right) &&
      Meet(imageY - ip.top, imageY + in.imageHeight + ip.bottom, textY - tp.top, textY + in.textHeight + tp.bottom);
  if (overlap) {
    if (in.image.anchor & kAnchorRight) {
      if (CentredSetting(in.image))
        textX = std::max(tp.left, width / 2 - (in.textWidth + tp.right + ip.left + in.imageWidth) / 2);
      imageX = textX + in.textWidth + tp.right + ip.left;
    } else {
      if (CentredSetting(in.text))
        imageX = std::max(ip.left, width / 2 - (in.imageWidth + ip.right + tp.left + in.textWidth) / 2);
      textX = imageX + in.imageWidth + ip.right + tp.left;
    }
  }

  ButtonExLayout out;
  out.imageX = imageX;
  out.imageY = imageY;
  out.textLeft = std::max(textX, tp.left);
  out.textTop = textY;
  out.textRight = width - tp.right;
  out.textBottom = textY + in.textHeight;
  return out;
}

}  // namespace kelvra
