// ThemeBorderSets: the themed push-button faces and the tab pane of the visual
// style, captured once into border image sets whose masks shape themed page
// backgrounds (ThemeBackgroundCode 8 to 11 and 0).
#pragma once

#include <cstdint>

namespace kelvra {

struct BorderImageSet;

// Captures the five sets, once per process and only while a visual style is
// active (CreatePanelEx calls it for every panel). A theme that did not open
// leaves its set empty. Call with PanelLock held.
void CaptureThemeBorders();
// True once the sets were captured.
bool ThemeBordersCaptured();
// The captured set of a background: push button 8 (state 0), 9 (hot), 10
// (pressed), 11 (disabled, captured from state 1) and the tab pane 0; nullptr for
// any other background or before the capture.
BorderImageSet* ThemeBorderSetFor(int32_t background);
// Releases the sets; the next capture takes them again. Kelvra_End.
void ReleaseThemeBorderSets();

}  // namespace kelvra
