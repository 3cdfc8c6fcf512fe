// Params and sub-params of skin property values.
#include "skin/values/skin_value_grammar.h"

#include <string>

#include "skin/values/skin_text.h"

namespace kelvra {

namespace detail {

SkinValueParam ParseSkinValueField(std::wstring_view field) {
  const auto colon = field.find(L':');
  if (colon == std::wstring_view::npos) return {TrimBlanks(field), L"true"};
  std::wstring_view rest = field.substr(colon + 1);
  rest = rest.substr(0, rest.find(L':'));  // text after a second ":" is not part of it
  const std::wstring_view value = TrimBlanks(rest);
  return {TrimBlanks(field.substr(0, colon)), value.empty() ? std::wstring_view(L"true") : value};
}

}  // namespace detail

std::wstring_view SkinValueField(std::wstring_view value, int32_t index) { return NthField(value, L';', index); }

std::wstring_view FirstSkinValueField(std::wstring_view value) {
  const std::wstring_view field = TrimBlanks(SkinValueField(value, 1));
  return field.empty() ? TrimBlanks(value) : field;
}

bool SplitSkinValueParams(std::wstring_view value, std::vector<SkinValueParam>& params) {
  const std::size_t before = params.size();
  ForEachSkinValueParam(value, [&](const SkinValueParam& param) {
    params.push_back(param);
    return false;
  });
  return params.size() > before;
}

bool HasSkinValueParams(std::wstring_view value) {
  bool any = false;
  ForEachSkinValueParam(value, [&](const SkinValueParam&) { return any = true; });
  return any;
}

std::optional<std::wstring_view> FindSkinValueParam(std::wstring_view value, std::wstring_view name) {
  std::optional<std::wstring_view> found;
  ForEachSkinValueParam(value, [&](const SkinValueParam& param) {
    if (!EqualsCaseBlind(param.name, name)) return false;
    found = param.value;
    return true;
  });
  return found;
}

namespace {

// Masks the first span from `open` to the first `close` after it: every
// occurrence of that span's text becomes "#".
void MaskFirstSpan(std::wstring& text, wchar_t open, wchar_t close) {
  const auto start = text.find(open);
  if (start == std::wstring::npos) return;
  const auto end = text.find(close, start + 1);
  if (end == std::wstring::npos) return;
  const std::wstring span = text.substr(start, end - start + 1);
  ReplaceAllText(text, span, L"#");
}

}  // namespace

int32_t CountSkinSubParams(std::wstring_view paramValue) {
  std::wstring masked = LowerCaseText(paramValue);
  MaskFirstSpan(masked, L'(', L')');
  MaskFirstSpan(masked, L'"', L'"');
  MaskFirstSpan(masked, L'\'', L'\'');
  MaskFirstSpan(masked, L'{', L'}');
  int32_t count = 0;
  std::size_t start = 0;
  for (;;) {
    const auto comma = masked.find(L',', start);
    const std::size_t length = (comma == std::wstring::npos ? masked.size() : comma) - start;
    if (length == 0) return count;  // blanks count as content; only a truly empty field ends
    ++count;
    if (comma == std::wstring::npos) return count;
    start = comma + 1;
  }
}

namespace {

// Cuts a param value into its trimmed items and hands each to `take` in order;
// `take` returns true to stop. The rest after the last separator is an item too,
// so "" has one empty item and "a," two.
template <class Take>
void CutSkinSubParams(std::wstring_view paramValue, Take&& take) {
  bool skip = false, quote = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < paramValue.size(); ++i) {
    const wchar_t c = paramValue[i];
    if (c == L'"' || c == L'\'') {
      // Either quote character closes either.
      if (!skip && !quote) skip = quote = true;
      else if (quote) skip = quote = false;
    } else if ((c == L'(' || c == L'{') && !skip) {
      skip = true;
    } else if (c == L')' || c == L'}') {
      skip = false;  // even inside quotes
    } else if (c == L',' && !skip) {
      if (take(TrimBlanks(paramValue.substr(start, i - start)))) return;
      start = i + 1;
    }
  }
  take(TrimBlanks(paramValue.substr(start)));
}

}  // namespace

std::optional<std::wstring_view> SkinSubParamItem(std::wstring_view paramValue, int32_t index) {
  if (index < 1) return std::nullopt;
  std::optional<std::wstring_view> found;
  int32_t number = 0;
  CutSkinSubParams(paramValue, [&](std::wstring_view item) {
    if (++number != index) return false;
    found = item;
    return true;
  });
  return found;
}

std::vector<std::wstring_view> SkinSubParamItems(std::wstring_view paramValue) {
  std::vector<std::wstring_view> items;
  CutSkinSubParams(paramValue, [&](std::wstring_view item) {
    items.push_back(item);
    return false;
  });
  return items;
}

}  // namespace kelvra
