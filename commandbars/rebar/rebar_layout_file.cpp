#include "commandbars/rebar/rebar_layout_file.h"

#include <limits>

#include "core/xml/xml_tree.h"

namespace kelvra {

namespace {

// A signed decimal of 32 bits: an optional sign and at least one digit, nothing
// else (no blanks, no hexadecimal, no overflow wrapped round).
std::optional<int32_t> ParseSigned32(std::wstring_view text) {
  size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) negative = text[at++] == L'-';
  if (at == text.size()) return std::nullopt;
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;  // |INT32_MIN|
  for (; at < text.size(); ++at) {
    const wchar_t c = text[at];
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
    if (value > kLimit) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

bool ReadValue(const xml::Element& band, std::wstring_view name, int32_t& out) {
  const std::wstring* text = band.FindAttribute(name);
  if (!text) {
    out = 0;
    return true;
  }
  const auto value = ParseSigned32(*text);
  if (!value) return false;
  out = *value;
  return true;
}

std::wstring Lowered(std::wstring_view text) {
  std::wstring lowered(text);
  for (wchar_t& c : lowered)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return lowered;
}

}  // namespace

std::optional<std::vector<RebarLayoutBand>> ReadRebarLayout(std::span<const uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > kMaxRebarLayoutBytes) return std::nullopt;
  const xml::ReadResult read = xml::ReadDocument(bytes);
  if (!read.ok() || Lowered(read.root.name) != L"layout") return std::nullopt;
  std::vector<RebarLayoutBand> bands;
  bands.reserve(read.root.children.size());
  for (const xml::Element& child : read.root.children) {
    RebarLayoutBand band;
    int32_t style = 0;
    if (!ReadValue(child, L"ID", band.id) || !ReadValue(child, L"cx", band.cx) || !ReadValue(child, L"fStyle", style))
      return std::nullopt;
    band.style = static_cast<uint32_t>(style);
    bands.push_back(band);
  }
  return bands;
}

std::string WriteRebarLayout(std::span<const RebarLayoutBand> bands) {
  static constexpr RebarLayoutBand kNoBand{};
  if (bands.empty()) bands = std::span<const RebarLayoutBand>(&kNoBand, 1);
  xml::Element root(L"Layout");
  root.children.reserve(bands.size());
  for (const RebarLayoutBand& band : bands) {
    xml::Element& element = root.AddChild(L"Band");
    element.SetAttribute(L"ID", std::to_wstring(band.id));
    element.SetAttribute(L"cx", std::to_wstring(band.cx));
    element.SetAttribute(L"fStyle", std::to_wstring(static_cast<int32_t>(band.style)));
  }
  // Names and decimals only: the writer cannot refuse this tree below its limits,
  // and a rebar never holds a quarter of a million bands.
  std::optional<std::string> written = xml::WriteDocument(root);
  return written ? std::move(*written) : std::string();
}

bool IsRebarLayoutFileNameAllowed(std::wstring_view path) {
  const size_t slash = path.find_last_of(L"/\\");
  const std::wstring_view part = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
  std::wstring name;
  for (wchar_t c : part)
    if (c != L'"') name.push_back(c);
  if (name.empty()) return false;
  for (wchar_t c : name)
    if (c < 32 || std::wstring_view(L"*/:<>?\\|").find(c) != std::wstring_view::npos) return false;
  return true;
}

}  // namespace kelvra
