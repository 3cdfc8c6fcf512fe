// A text control's WM_PAINT: its links measured where the text goes (under
// TextControlLock), then the text drawn into the page's back buffer (without it:
// drawing repairs the buffer's alpha under PanelLock).
#include "core/library/library_globals.h"
#include "core/library/reentrant_lock.h"
#include "core/text/formatted_text.h"
#include "panels/text_control/text_control_paint.h"
#include "panels/text_control/text_control_registry.h"

namespace kelvra {

namespace {

using Flags = FormattedTextFlags;

// What drawing needs, copied out of the record; the shared pieces outlive it.
struct PaintPlan {
  std::shared_ptr<const std::wstring> text;
  std::shared_ptr<const TextControlFont> font;
  COLORREF textColour = 0, backgroundColour = 0;
  uint32_t style = 0;
  int32_t linePadding = 0;
  RECT client{};
  RECT box{};
};

uint32_t DrawFlags(uint32_t style) {
  uint32_t flags = Flags::OwnRunHeight;
  if (style & kTextPlain) flags |= Flags::PlainText;
  if (style & kTextNoColours) flags |= Flags::NoColours;
  if (style & kTextEndEllipsis) flags |= Flags::EndEllipsis;
  if (style & kTextPathEllipsis) flags |= Flags::PathEllipsis;
  return flags;
}

// The shown text's size and links at the measuring origin, measured again only
// when the text, font, line padding or plain style changed. A control without a
// font of its own is measured every time: the DC's font decides.
const TextControlMeasure& Measure(TextControlExRecord& record, HDC dc, const PaintPlan& plan) {
  TextControlMeasure& last = record.measure;
  const bool plain = plan.style & kTextPlain;
  if (plan.font && last.text == plan.text && last.font == plan.font && last.linePadding == plan.linePadding &&
      last.plain == plain)
    return last;
  Globals().settings.markupLinePadding = plan.linePadding;
  RECT extent{0, 0, 0, 0};
  DrawFormattedText(dc, *plan.text, &extent, plan.font ? plan.font->font.get() : nullptr,
                    Flags::MeasureOnly | (plain ? Flags::PlainText : Flags::CollectLinks),
                    plain ? nullptr : &last.links);
  // Plain text has no links: none of an earlier text may stay hot.
  if (plain) last.links.clear();
  last.text = plan.text;
  last.font = plan.font;
  last.linePadding = plan.linePadding;
  last.plain = plain;
  last.width = extent.right - extent.left;
  last.height = extent.bottom - extent.top;
  return last;
}

// Places the text box and moves the measured links with it into page
// coordinates (the control's link list, refilled at every paint).
bool PlanPaint(HWND page, HDC dc, PaintPlan& plan) {
  LockGuard lock(Locks().textControl);
  if (!lock) return false;
  TextControlExRecord* record = TextControlList().FindByWindow(GetParent(page));
  if (!record) return false;
  GetClientRect(page, &plan.client);
  record->currentWidth = plan.client.right;
  record->currentHeight = plan.client.bottom;
  if (!record->displayText) record->displayText = MakeDisplayText(*record);
  plan.text = record->displayText;
  plan.font = record->drawFont;
  plan.textColour = record->settings.textColour;
  plan.backgroundColour = record->settings.backgroundColour;
  plan.style = record->style;
  plan.linePadding = record->settings.linePadding;

  const TextControlMeasure& measured = Measure(*record, dc, plan);
  const TextBox box = PlaceTextBox(plan.style, plan.client.right, plan.client.bottom, record->settings.paddings,
                                   measured.width, measured.height);
  plan.box = RECT{box.left, box.top, box.right, box.bottom};
  record->links.assign(measured.links.begin(), measured.links.end());
  for (TextControlExLink& link : record->links) {
    link.left += box.left;
    link.right += box.left;
    link.top += box.top;
    link.bottom += box.top;
  }
  return true;
}

}  // namespace

void PaintTextControl(HWND page, HDC dc) {
  PaintPlan plan;
  if (!dc || !PlanPaint(page, dc, plan)) return;
  SetBkMode(dc, TRANSPARENT);
  if (plan.style & kTextFillBackground) {
    // The DC's own brush: a fill per paint allocates nothing.
    SetDCBrushColor(dc, plan.backgroundColour);
    FillRect(dc, &plan.client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  SetTextColor(dc, plan.textColour);
  Globals().settings.markupLinePadding = plan.linePadding;
  DrawFormattedText(dc, *plan.text, &plan.box, plan.font ? plan.font->font.get() : nullptr, DrawFlags(plan.style));
}

}  // namespace kelvra
