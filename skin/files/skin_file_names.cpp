// Skin file names and the file-naming test of property values.
#include "skin/files/skin_file_names.h"

#include "skin/values/skin_text.h"
#include "skin/values/skin_value_grammar.h"

namespace kelvra {

namespace {

constexpr bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::size_t LastSeparator(std::wstring_view path) { return path.find_last_of(L"\\/"); }

// Windows drops trailing dots and blanks from each component, so "..." and
// ".. " climb like "..".
bool ClimbsLikeDotDot(std::wstring_view component) {
  int dots = 0;
  for (wchar_t c : component) {
    if (c == L'.') ++dots;
    else if (c != L' ') return false;
  }
  return dots >= 2;
}

bool IsDeviceName(std::wstring_view name) {
  std::wstring_view base = name.substr(0, name.find(L'.'));
  while (!base.empty() && (base.back() == L' ' || base.back() == L'.')) base.remove_suffix(1);
  const std::wstring lower = LowerCaseText(base);
  for (const wchar_t* device : {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"})
    if (lower == device) return true;
  if (lower.size() == 4 && (lower.starts_with(L"com") || lower.starts_with(L"lpt")) && lower[3] >= L'1' &&
      lower[3] <= L'9')
    return true;
  return false;
}

}  // namespace

int32_t IsNumericString(std::wstring_view text) {
  if (text.empty() || TrimBlanks(text) == L".") return 0;
  for (wchar_t c : text)
    if (!((c >= L'0' && c <= L'9') || c == L'.')) return 0;
  return 1;
}

bool IsValidFileNamePart(std::wstring_view name) {
  if (name.empty()) return false;
  for (wchar_t c : name) {
    if (c < 0x20 || c == 0x7F) return false;
    switch (c) {
      case L'"': case L'*': case L'/': case L':': case L'<': case L'>': case L'?': case L'\\': case L'|':
        return false;
      default:
        break;
    }
  }
  return true;
}

bool IsValidSkinName(std::wstring_view name) {
  if (!IsValidFileNamePart(name) || name.size() > 240) return false;
  if (name.back() == L'.' || name.back() == L' ') return false;  // covers "." and ".."
  return !IsDeviceName(name);
}

bool IsAbsolutePath(std::wstring_view path) {
  return (!path.empty() && IsSeparator(path[0])) || (path.size() >= 2 && path[1] == L':');
}

bool IsContainedRelativePath(std::wstring_view path) {
  if (path.empty() || IsSeparator(path[0]) || path.find(L':') != std::wstring_view::npos) return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = path.find_first_of(L"\\/", start);
    const auto component = path.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
    if (ClimbsLikeDotDot(component)) return false;
    if (end == std::wstring_view::npos) return true;
    start = end + 1;
  }
}

std::wstring_view FilePartOf(std::wstring_view path) {
  const auto separator = LastSeparator(path);
  return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

std::wstring_view DirectoryPartOf(std::wstring_view path) {
  const auto separator = LastSeparator(path);
  return separator == std::wstring_view::npos ? std::wstring_view() : path.substr(0, separator + 1);
}

std::wstring_view BaseNameOf(std::wstring_view path) {
  const std::wstring_view file = FilePartOf(path);
  return file.substr(0, file.find(L'.'));
}

SkinFileValue ClassifySkinFileValue(std::wstring_view value, const ColourLookups& lookups) {
  SkinFileValue result;
  result.path = FirstSkinValueField(value);
  const std::wstring_view path = result.path;
  const auto backslash = path.rfind(L'\\');
  result.hasDirectory = backslash != std::wstring_view::npos;
  result.filePart = result.hasDirectory ? path.substr(backslash + 1) : path;

  const auto firstDot = path.find(L'.');
  if (firstDot == std::wstring_view::npos || firstDot == 0) return result;
  const auto secondDot = path.find(L'.', firstDot + 1);
  const auto between = secondDot == std::wstring_view::npos ? path.size() - firstDot - 1 : secondDot - firstDot - 1;
  if (between == 0) return result;
  if (IsNumericString(path) || !IsValidFileNamePart(result.filePart)) return result;
  // A colour with a fraction ("rgba(255,0,0,0.5)") passes every test above.
  if (path.find_first_of(L"(){}") != std::wstring_view::npos) return result;
  if (ColourFromString(path, lookups) != kNoColour) return result;
  result.fileLike = true;
  return result;
}

}  // namespace kelvra
