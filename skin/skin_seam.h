// What earlier code asks of the skin engine and its UI colour tables. Every call
// into skin/ from outside it is declared here, with when it comes and what the
// answer is while its owner is not built ("nothing here"). Those answers live in
// skin/not_built_yet.cpp: to build one, delete it there and define it where it
// belongs. To ask something new of skin/, declare it here and stub it there.
#pragma once

#include <cstdint>

namespace kelvra {

// ---- Visual-styles binding (core/platform/uxtheme_api.cpp)

// Called when the visual-styles interface binds and its "scrollbar" theme opens,
// with that theme's active-caption colour (RGB, red in the low byte): picks the
// default UI colour theme from it (skin/ui_colours/default_colour_theme.cpp).
void ChooseDefaultColourTheme(uint32_t themeColour);

}  // namespace kelvra

namespace kelvra::steps {

// Kelvra_Init step 3, before the image decoders: builds the UI colour tables and
// sets the default colour-theme word (skin/ui_colours/colour_tables_steps.cpp).
void InitColourTables();

}  // namespace kelvra::steps
