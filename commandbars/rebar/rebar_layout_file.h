// Rebar layout files: the band order, widths and styles of a rebar as an XML
// document, root "Layout" with one element per band carrying "ID", "cx" and
// "fStyle" as signed decimals. Pure code over the XML tree (no <windows.h>):
// the rebar layer reads the control into a band list and applies a list back.
//
// Layout files come from anywhere, so the reader takes the whole file or
// nothing: a file that is not a well-formed document within the limits, whose
// root is not "layout" in any case, or any of whose values is not a 32-bit
// signed decimal is refused before a band is touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

struct RebarLayoutBand {
  int32_t id = 0;
  int32_t cx = 0;
  uint32_t style = 0;  // Win32 band bits and the library's own, as the control reports them

  friend bool operator==(const RebarLayoutBand&, const RebarLayoutBand&) = default;
};

// A layout file is a few dozen bytes a band: anything larger is not one.
inline constexpr std::size_t kMaxRebarLayoutBytes = std::size_t{1} << 20;

// The bands of a layout file in document order. Every child element of the
// root counts as a band whatever its name; a missing attribute reads 0; text,
// comments and deeper elements are ignored. Nothing when the file is refused.
std::optional<std::vector<RebarLayoutBand>> ReadRebarLayout(std::span<const uint8_t> bytes);
inline std::optional<std::vector<RebarLayoutBand>> ReadRebarLayout(std::string_view bytes) {
  return ReadRebarLayout(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// The file of these bands, UTF-8, one element a line, three blanks a level. A
// rebar without bands writes one band of zeros, so the file always names one.
std::string WriteRebarLayout(std::span<const RebarLayoutBand> bands);

// Whether the file-name part of `path` (after the last "/" or "\", quotes
// removed) may name a layout file: not empty, no control character, none of
// " * / : < > ? \ |.
bool IsRebarLayoutFileNameAllowed(std::wstring_view path);

}  // namespace kelvra
