// Case folding and trimming of skin names and values.
#include "skin/values/skin_text.h"

namespace kelvra {

wchar_t LowerCaseChar(wchar_t c) {
  const unsigned u = static_cast<unsigned>(c);
  if (u < 0x80) return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 32) : c;
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x100 && u <= 0x17F) {
    // Latin Extended-A pairs capital and small letters; the pairing flips parity at
    // U+0138 and U+0149, and U+0178 is the capital of U+00FF.
    if (u == 0x178) return static_cast<wchar_t>(0xFF);
    if ((u <= 0x137 || (u >= 0x14A && u <= 0x177)) && u % 2 == 0) return static_cast<wchar_t>(u + 1);
    if (((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E)) && u % 2 == 1) return static_cast<wchar_t>(u + 1);
    return c;
  }
  if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 0x50);
  if (u >= 0xFF21 && u <= 0xFF3A) return static_cast<wchar_t>(u + 0x20);
  return c;
}

void LowerCaseInPlace(std::wstring& text) {
  for (wchar_t& c : text) c = LowerCaseChar(c);
}

std::wstring LowerCaseText(std::wstring_view text) {
  std::wstring lower(text);
  LowerCaseInPlace(lower);
  return lower;
}

bool EqualsCaseBlind(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && LowerCaseChar(a[i]) != LowerCaseChar(b[i])) return false;
  return true;
}

std::wstring_view NthField(std::wstring_view text, wchar_t separator, int32_t index) {
  if (index < 1) return {};
  std::size_t start = 0;
  for (int32_t i = 1; i < index; ++i) {
    const auto at = text.find(separator, start);
    if (at == std::wstring_view::npos) return {};
    start = at + 1;
  }
  const auto end = text.find(separator, start);
  return text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
}

void ReplaceAllText(std::wstring& text, std::wstring_view what, std::wstring_view with) {
  if (what.empty()) return;
  std::size_t at = text.find(what);
  if (at == std::wstring::npos) return;
  std::wstring result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (; at != std::wstring::npos; at = text.find(what, from)) {
    result.append(text, from, at - from).append(with);
    from = at + what.size();
  }
  result.append(text, from, std::wstring::npos);
  text.swap(result);
}

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring_view TrimBlanksAndSemicolons(std::wstring_view text) {
  auto strip = [](wchar_t c) { return IsBlank(c) || c == L';'; };
  while (!text.empty() && strip(text.front())) text.remove_prefix(1);
  while (!text.empty() && strip(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace kelvra
