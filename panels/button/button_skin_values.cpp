// Button skin words: content positions and cursors.
#include "panels/button/button_skin_values.h"

#include <array>
#include <cwctype>

#include "skin/values/skin_number_reader.h"

namespace kelvra {

namespace {

bool HasPercent(std::wstring_view value) { return value.find(L'%') != std::wstring_view::npos; }

void ReadContentAxisParam(const std::wstring& value, bool farEdge, int32_t anchorBit, int32_t& offset, bool& percent,
                          int32_t& anchor) {
  if (value.empty()) return;
  if (value == L"centre") {
    percent = true;
    offset = 50;
  } else if (farEdge) {
    offset = ReadSkinInteger(value);
    anchor |= anchorBit;
  } else {
    if (HasPercent(value)) percent = true;
    offset = ReadSkinInteger(value);
  }
}

struct CursorWord {
  std::wstring_view word;
  int32_t id;
};

constexpr std::array<CursorWord, 15> kCursorWords{{
    {L"APPSTARTING", 32650}, {L"ARROW", 32512}, {L"CROSS", 32515}, {L"HAND", 32649}, {L"HELP", 32651},
    {L"IBEAM", 32513}, {L"NO", 32648}, {L"WAIT", 32514}, {L"SIZE", 32640}, {L"SIZEALL", 32646},
    {L"SIZENESW", 32643}, {L"SIZENS", 32645}, {L"SIZENWSE", 32642}, {L"SIZEWE", 32644}, {L"UPARROW", 32516},
}};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

}  // namespace

ButtonExPlacement ReadContentPosition(const SkinParamReader& param) {
  ButtonExPlacement out;
  ReadContentAxisParam(param(L"x"), false, kAnchorRight, out.x, out.xPercent, out.anchor);
  ReadContentAxisParam(param(L"left"), false, kAnchorRight, out.x, out.xPercent, out.anchor);
  ReadContentAxisParam(param(L"right"), true, kAnchorRight, out.x, out.xPercent, out.anchor);
  ReadContentAxisParam(param(L"y"), false, kAnchorBottom, out.y, out.yPercent, out.anchor);
  ReadContentAxisParam(param(L"top"), false, kAnchorBottom, out.y, out.yPercent, out.anchor);
  ReadContentAxisParam(param(L"bottom"), true, kAnchorBottom, out.y, out.yPercent, out.anchor);
  return out;
}

int32_t CursorFromSkinValue(std::wstring_view value) {
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  std::wstring upper(value);
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  for (const CursorWord& entry : kCursorWords)
    if (entry.word == upper) return entry.id;
  return ReadSkinInteger(value);
}

}  // namespace kelvra
