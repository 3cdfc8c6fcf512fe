// Painting a button's image and text.
#include "panels/button/button_paint.h"

#include "core/library/library_globals.h"
#include "core/text/formatted_text.h"
#include "panels/button/button_images.h"
#include "panels/button/button_layout.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

namespace {

using Flags = FormattedTextFlags;

// Skins give text colours as Win32 colours, or as ARGB (rgba(...)): GDI wants the
// former.
COLORREF TextColourOf(int32_t colour) {
  const auto bits = static_cast<uint32_t>(colour);
  if (!(bits >> 24)) return bits;
  return RGB((bits >> 16) & 0xFF, (bits >> 8) & 0xFF, bits & 0xFF);
}

SIZE MeasureText(ButtonExRecord& button, HDC dc, HFONT font) {
  if (button.measured && button.measuredFont == font) return button.textSize;
  RECT extent{0, 0, 0, 0};
  DrawFormattedText(dc, button.text, &extent, font, Flags::MeasureOnly);
  button.textSize = SIZE{extent.right - extent.left, extent.bottom - extent.top};
  button.measuredFont = font;
  button.measured = true;
  return button.textSize;
}

}  // namespace

void PaintButtonContent(ButtonExRecord& button, HDC dc, bool onPaintMessage) {
  const bool drawsOnPaint = button.looks[kButtonNormal].background.flags & kImageNoClip;
  if (!dc || onPaintMessage != drawsOnPaint) return;
  uint8_t state = button.disabled ? static_cast<uint8_t>(kButtonDisabled) : button.shown;
  if (state >= kButtonExStateCount) state = kButtonNormal;
  const ButtonExLook& look = button.looks[state];

  RECT client{};
  GetClientRect(button.page, &client);
  const HFONT font = look.font ? look.font : Globals().defaultUIFont;
  Globals().settings.markupLinePadding = 0;
  const bool hasText = !button.text.empty();
  const SIZE textSize = hasText ? MeasureText(button, dc, font) : SIZE{};

  HIMAGELIST normal = button.images[kButtonNormal].get();
  ButtonExLayoutInput input;
  input.pageWidth = client.right;
  input.pageHeight = client.bottom;
  input.image = look.image;
  input.text = look.text;
  input.imagePadding = look.imagePadding;
  input.textPadding = look.textPadding;
  input.imageWidth = button.imageWidth;
  input.imageHeight = button.imageHeight;
  input.hasImage = HoldsImage(normal);
  input.textWidth = textSize.cx;
  input.textHeight = textSize.cy;
  input.hasText = hasText;
  const ButtonExLayout layout = LayOutButtonEx(input);

  if (hasText) {
    COLORREF colour = GetSysColor(button.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    if (look.textColour) colour = TextColourOf(look.textColour);
    SetTextColor(dc, colour);
    RECT rect{layout.textLeft, layout.textTop, layout.textRight, layout.textBottom};
    const uint32_t flags = Flags::EndEllipsis | Flags::OwnRunHeight | (button.disabled ? Flags::NoColours : 0u);
    DrawFormattedText(dc, button.text, &rect, font, flags);
  }

  HIMAGELIST own = button.images[state].get();
  if (HoldsImage(own)) {
    ImageList_Draw(own, 0, dc, layout.imageX, layout.imageY, ILD_NORMAL);
  } else if (HoldsImage(normal)) {
    if (button.disabled)
      ImageList_DrawEx(normal, 0, dc, layout.imageX, layout.imageY, 0, 0, 0, 0, ILD_TRANSPARENT | ILD_BLEND50);
    else
      ImageList_Draw(normal, 0, dc, layout.imageX, layout.imageY, ILD_NORMAL);
  }
}

}  // namespace kelvra
