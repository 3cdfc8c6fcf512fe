// The default-colour-theme rule belongs to the UI colour tables, not built yet:
// until then the theme colour changes nothing.
#include "skin/default_colour_theme.h"

namespace kelvra {
void ChooseDefaultColourTheme(uint32_t) {}
}  // namespace kelvra
