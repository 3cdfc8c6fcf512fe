// Markup scanning of formatted text: splits a text with backslash codes into the
// runs to draw and the code after each. Pure: no Win32, so it tests anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra::markup {

enum class Code {
  None,       // a backslash before no code letter (or at the very end): dropped
  Bold,       // "\b": toggle bold
  Underline,  // "\u"
  StrikeOut,  // "\s"
  Italic,     // "\i"
  Normal,     // "\n": back to the base font and colour
  Colour,     // "\cRRGGBB"
  LinkOpen,   // "\l" and digits
  LinkClose,  // "\l" not followed by a digit, while a link is open
  LineBreak,  // "\|"
  End,        // the rest of the text after the last code
};

struct Step {
  std::wstring run;          // text drawn before the code, "\\" already made "\"
  Code code = Code::End;
  uint32_t colour = 0;       // Colour: red + green * 256 + blue * 65536
  int32_t linkNumber = 0;    // LinkOpen
  std::wstring linkText;     // LinkClose: the link's visible text, codes removed
  size_t linkBegin = 0;      // LinkClose: where the link's source text lies in the
  size_t linkEnd = 0;        //   scanned text (after the number, up to the closing code)
};

// Every code of the text in order, the last step being End. A doubled backslash
// stays text, even before a code letter: "\\b" shows "\b" and applies no code.
std::vector<Step> ScanMarkup(std::wstring_view text);

// True when the text holds a "\|" line break anywhere (then lines get padding).
bool HasLineBreakCode(std::wstring_view text);

// The visible text of a link's source text: formatting and colour codes removed,
// "\\" made "\". Other backslash pairs stay as they are.
std::wstring StripLinkCodes(std::wstring_view linkSource);

// The colour of the (up to) six characters after "\c": three hexadecimal pairs
// RRGGBB; a pair that is missing or not two hexadecimal digits counts as 0.
uint32_t ParseColourDigits(std::wstring_view digits);

}  // namespace kelvra::markup
