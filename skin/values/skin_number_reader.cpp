// Integer and fraction reading of skin values, independent of the C locale.
#include "skin/values/skin_number_reader.h"

#include <charconv>

#include "skin/values/skin_text.h"

namespace kelvra {

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

int SkinDigitValue(wchar_t c, unsigned base) {
  int value = -1;
  if (c >= L'0' && c <= L'9') value = c - L'0';
  else if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
  else if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
  return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

int32_t ReadSkinInteger(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  unsigned base = 10;
  if (i < text.size() && text[i] == L'$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == L'%') {
    base = 2;
    ++i;
  }
  uint32_t value = 0;  // unsigned arithmetic: overflow wraps instead of being undefined
  for (; i < text.size(); ++i) {
    const int digit = SkinDigitValue(text[i], base);
    if (digit < 0) break;
    value = value * base + static_cast<uint32_t>(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

double ReadSkinDouble(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  // Copy the longest decimal-number prefix into narrow text; from_chars then reads
  // it without consulting the locale (a comma-decimal locale must not change 0.5).
  char buffer[64];
  std::size_t n = 0;
  bool tooLong = false;
  auto take = [&](wchar_t c) {
    if (n < sizeof(buffer)) buffer[n++] = static_cast<char>(c);
    else tooLong = true;
  };
  // Fraction digits past this many cannot change a double; they are read past,
  // leaving room for an exponent, so "0.2500...0" of any length is still 0.25.
  constexpr std::size_t kFractionRoom = sizeof(buffer) - 8;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
    if (text[i] == L'-') take(L'-');
    ++i;
  }
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) take(text[i]);
  if (i < text.size() && text[i] == L'.') {
    take(L'.');
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits)
      if (n < kFractionRoom) take(text[i]);
  }
  if (digits == 0) return 0.0;
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == L'-' || text[j] == L'+')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      take(L'e');
      for (std::size_t k = i + 1; k < j; ++k) take(text[k]);
      for (; j < text.size() && IsDigit(text[j]); ++j) take(text[j]);
    }
  }
  // Sixty integer digits or a giant exponent: no position or size.
  if (tooLong) return 0.0;
  double value = 0.0;
  const auto result = std::from_chars(buffer, buffer + n, value);
  // Out of range (1e999, 1e-999) is no position or size either: 0.
  return result.ec == std::errc() ? value : 0.0;
}

float ReadSkinFloat(std::wstring_view text) {
  const double value = ReadSkinDouble(text);
  // Beyond float's range is no position either; the cast would be undefined.
  return value > 3.4e38 || value < -3.4e38 ? 0.0f : static_cast<float>(value);
}

}  // namespace kelvra
