// Measuring text controls' texts, for automatic sizes, in one memory DC the
// library keeps for it.
#include "core/library/library_globals.h"
#include "core/platform/win_handles.h"
#include "core/text/formatted_text.h"
#include "panels/text_control/text_control_operations.h"
#include "panels/text_control/text_control_record.h"

namespace kelvra {

namespace {

UniqueDc& MeasuringDc() {
  static UniqueDc dc;
  if (!dc) dc.reset(CreateCompatibleDC(nullptr));
  return dc;
}

}  // namespace

SIZE MeasureTextControlText(const std::wstring& text, const TextControlFont* font, int32_t linePadding,
                            uint32_t style) {
  const HDC dc = MeasuringDc().get();
  if (!dc) return SIZE{0, 0};
  Globals().settings.markupLinePadding = linePadding;
  RECT extent{0, 0, 0, 0};
  const uint32_t flags = FormattedTextFlags::MeasureOnly | ((style & kTextPlain) ? FormattedTextFlags::PlainText : 0);
  DrawFormattedText(dc, text, &extent, font ? font->font.get() : nullptr, flags);
  return SIZE{extent.right - extent.left, extent.bottom - extent.top};
}

SIZE MeasureTextControl(TextControlExRecord& record) {
  const auto shown = (record.style & kTextPlain) ? record.text : TextControlDisplayText(record.text, -1);
  const SIZE measured =
      MeasureTextControlText(shown, record.drawFont.get(), record.settings.linePadding, record.style);
  const TextPaddings& pad = record.settings.paddings;
  SIZE window{record.requestedWidth, record.requestedHeight};
  if (record.requestedWidth == 0) {
    record.currentWidth = measured.cx;
    window.cx = measured.cx + pad.left + pad.right;
  }
  if (record.requestedHeight == 0) {
    record.currentHeight = measured.cy;
    window.cy = measured.cy + pad.top + pad.bottom;
  }
  return window;
}

void ReleaseTextControlMeasuring() { MeasuringDc().reset(); }

}  // namespace kelvra
