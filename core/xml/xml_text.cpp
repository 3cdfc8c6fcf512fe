// UTF-8 to wide text and one code point to UTF-8.
#include "core/xml/xml_text.h"

namespace kelvra::xml {

namespace {

void AppendCodePointAsWide(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(c));
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

void AppendUtf8AsWide(std::wstring& out, std::string_view utf8) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t size = utf8.size();
  std::size_t i = 0;
  while (i < size) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      // Runs of ASCII, the bulk of every skin and layout file, go without decoding.
      std::size_t end = i + 1;
      while (end < size && bytes[end] < 0x80) ++end;
      out.append(utf8.begin() + static_cast<std::ptrdiff_t>(i), utf8.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
      continue;
    }
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (lead > 0xF4) length = 0;
    char32_t c = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool good = length != 0 && i + length <= size;
    for (std::size_t k = 1; good && k < length; ++k) {
      if (!IsContinuation(bytes[i + k])) good = false;
      c = c << 6 | (bytes[i + k] & 0x3F);
    }
    if (good && ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
                 (c >= 0xD800 && c <= 0xDFFF)))
      good = false;
    if (!good) {
      out.push_back(static_cast<wchar_t>(0xFFFD));
      ++i;
      continue;
    }
    AppendCodePointAsWide(out, c);
    i += length;
  }
}

void AppendCodePointAsUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace kelvra::xml
