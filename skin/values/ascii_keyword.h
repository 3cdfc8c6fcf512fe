// Keywords of skin values are plain ASCII: fold one to lower-case narrow text
// for a look-up in a table of string_views. Pure code: no <windows.h>.
#pragma once

#include <cstddef>
#include <string_view>

namespace kelvra {

// Writes `word` lower-cased into `buffer` and returns the view of it; an empty
// view when the word is empty, longer than the buffer or not ASCII.
template <std::size_t N>
std::string_view FoldAsciiKeyword(std::wstring_view word, char (&buffer)[N]) {
  if (word.empty() || word.size() > N) return {};
  for (std::size_t i = 0; i < word.size(); ++i) {
    wchar_t c = word[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c == 0 || c > 0x7F) return {};
    buffer[i] = static_cast<char>(c);
  }
  return std::string_view(buffer, word.size());
}

}  // namespace kelvra
