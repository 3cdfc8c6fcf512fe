// The one MenuExFont of the process.
#include "commandbars/menu_ex_font.h"

#include "core/text/font_loading.h"

namespace kelvra {

namespace {

HFONT& Font() {
  static HFONT font = nullptr;
  return font;
}

}  // namespace

HFONT MenuExFont() { return Font(); }

HFONT EnsureMenuExFont() {
  HFONT& font = Font();
  if (font) return font;
  LOGFONTW menuFont{};
  if (ReadSystemMenuFont(menuFont)) font = CreateFontIndirectW(&menuFont);
  return font;
}

void FreeMenuExFont() {
  HFONT& font = Font();
  if (font) DeleteObject(font);
  font = nullptr;
}

}  // namespace kelvra
