// The link list of the current text control, which the formatted-text renderer
// fills while it draws. Text controls are not built yet: until they are, there is
// no current text control and these calls do nothing.
#pragma once

#include <cstdint>

namespace kelvra {

// One link of a text control: its number and its rectangle in the coordinates of
// the device context the text was drawn on.
struct TextControlExLink {
  int32_t number = 0;
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Empties the current text control's link list (no current control: nothing).
void ClearCurrentTextControlLinks();
// Appends a link to the current text control's list (no current control: nothing).
void AppendCurrentTextControlLink(const TextControlExLink& link);

}  // namespace kelvra
