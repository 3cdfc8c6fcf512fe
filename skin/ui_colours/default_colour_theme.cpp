// DetectDefaultColourTheme: the default colour-theme word from the system.
#include "skin/ui_colours/default_colour_theme.h"

#include "core/library/os_version.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/skin_seam.h"
#include "skin/ui_colours/ui_colour_scheme.h"

namespace kelvra {

void DetectDefaultColourTheme(std::optional<uint32_t> themeColour) {
  // The core reads the version only after the colour tables are built, so it is
  // read here; 0 (unreadable) counts as NT 6 or later.
  OsVersion version;
  ReadOsVersion(version);
  StoreDefaultGlobalSkinColourTheme(DefaultColourThemeWord(version.major, themeColour));
}

void ChooseDefaultColourTheme(uint32_t themeColour) { DetectDefaultColourTheme(themeColour); }

}  // namespace kelvra
