// The text-control list, the defaults for new controls and the records' caches.
#include "panels/text_control/text_control_registry.h"

#include <cstddef>

namespace kelvra {

namespace {

// The default font when the library made it; it is never a caller's font.
UniqueFont& OwnedDefaultFont() {
  static UniqueFont font;
  return font;
}

}  // namespace

ControlList<TextControlExRecord>& TextControlList() {
  static ControlList<TextControlExRecord> list;
  return list;
}

TextControlSettings& TextControlDefaults() {
  static TextControlSettings defaults;
  return defaults;
}

TextControlExRecord* FindTextControl(intptr_t key) { return TextControlList().Find(key); }

HFONT EnsureDefaultTextControlFont() {
  TextControlSettings& defaults = TextControlDefaults();
  if (defaults.font) return defaults.font;
  // The structure as systems before the padded border knew it: every system
  // accepts that size.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    OwnedDefaultFont().reset(CreateFontIndirectW(&metrics.lfMessageFont));
  defaults.font = OwnedDefaultFont().get();
  return defaults.font;
}

void ResetTextControlDefaults() {
  TextControlDefaults() = TextControlSettings{};
  OwnedDefaultFont().reset();
}

std::shared_ptr<const TextControlFont> MakeTextControlFont(HFONT font, uint8_t antialias) {
  LOGFONTW logFont{};
  if (!font || GetObjectType(font) != OBJ_FONT || !GetObjectW(font, sizeof(logFont), &logFont)) return nullptr;
  if (antialias) logFont.lfQuality = ANTIALIASED_QUALITY;
  auto copy = std::make_shared<TextControlFont>();
  copy->font.reset(CreateFontIndirectW(&logFont));
  if (!copy->font) return nullptr;
  return copy;
}

std::shared_ptr<const std::wstring> MakeDisplayText(const TextControlExRecord& record) {
  if (record.style & kTextPlain) return std::make_shared<const std::wstring>(record.text);
  return std::make_shared<const std::wstring>(TextControlDisplayText(record.text, record.hotIndex));
}

int32_t DropTextControlLinks(TextControlExRecord& record) {
  const int32_t wasHot = record.hotIndex >= 0 ? record.hotNumber : -1;
  record.links.clear();
  record.hotNumber = record.hotIndex = record.previousHotIndex = -1;
  record.displayText.reset();
  record.handShown = false;
  return wasHot;
}

}  // namespace kelvra
