// Start step of the UI colour tables: default colours in, and a default colour-
// theme word even when no visual style will report a theme colour.
#include "skin/ui_colours/default_colour_theme.h"
#include "skin/skin_seam.h"
#include "skin/ui_colours/ui_colour_tables.h"

namespace kelvra::steps {

void InitColourTables() {
  FillDefaultUIColours(ColourTables());
  // The visual-styles binding runs later and overwrites the word when the
  // "scrollbar" theme opens; without it the word would stay empty and themed
  // component look-ups would probe "component:".
  DetectDefaultColourTheme(std::nullopt);
}

}  // namespace kelvra::steps
