// Text conversions of the XML tree: expat's UTF-8 to the library's wide strings
// and back, with the character checks of XML 1.0. A wide string is UTF-16 where
// wchar_t has 16 bits (Windows) and UTF-32 where it has 32 (the host build).
// Pure code: no <windows.h>.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvra::xml {

// Appends UTF-8 (as expat delivers it: well-formed) as wide characters; a
// malformed sequence becomes U+FFFD rather than being read past its end.
void AppendUtf8AsWide(std::wstring& out, std::string_view utf8);

// Whether a code point is an XML 1.0 Char: TAB, LF, CR, U+0020-U+D7FF,
// U+E000-U+FFFD, U+10000-U+10FFFF.
constexpr bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// Calls visit(codePoint) for each character of a wide string; false (at once)
// for a lone surrogate or a value past U+10FFFF.
template <class Visit>
bool ForEachCodePoint(std::wstring_view text, Visit&& visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      c &= 0xFFFF;
      if (c >= 0xD800 && c <= 0xDBFF) {
        if (i + 1 >= text.size()) return false;
        const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
        if (low < 0xDC00 || low > 0xDFFF) return false;
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else if (c >= 0xDC00 && c <= 0xDFFF) {
        return false;
      }
    } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      return false;
    }
    visit(c);
  }
  return true;
}

// Appends one code point as UTF-8.
void AppendCodePointAsUtf8(std::string& out, char32_t c);

}  // namespace kelvra::xml
