// The property-value grammar: a value is ";"-separated params, each "name: value"
// (a name alone means "true"), and a param value is ","-separated sub-params.
// Works on views into the value; nothing is cached. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvra {

struct SkinValueParam {
  std::wstring_view name;   // trimmed, never empty
  std::wstring_view value;  // trimmed; "true" for a name alone
};

// The index-th ";"-field of a value, from 1, untrimmed; empty past the last.
std::wstring_view SkinValueField(std::wstring_view value, int32_t index);

// The first ";"-field trimmed of blanks, or the whole value trimmed when that
// field is empty (file names are read this way).
std::wstring_view FirstSkinValueField(std::wstring_view value);

// Walks the params in order until the first empty field (so ";;" and a trailing
// ";" end the list); fields with an empty name are skipped. `visit` returns true
// to stop the walk.
template <class Visit>
void ForEachSkinValueParam(std::wstring_view value, Visit&& visit);

// Appends the params of a value; true when at least one was appended.
bool SplitSkinValueParams(std::wstring_view value, std::vector<SkinValueParam>& params);
bool HasSkinValueParams(std::wstring_view value);

// The value of the first param whose name equals `name` case-blind.
std::optional<std::wstring_view> FindSkinValueParam(std::wstring_view value, std::wstring_view name);

// The number of sub-params of a param value: ","-fields up to the first empty
// one, after the first bracketed span of each kind ("(...)", "\"...\"", "'...'",
// "{...}") has been masked. Only the first span of each kind is masked, so
// "rgb(1,2,3), rgb(4,5,6)" counts 4 while the item reader finds 2: built-in
// skins and skin files are written against that count.
int32_t CountSkinSubParams(std::wstring_view paramValue);

// The index-th sub-param (from 1), trimmed. A "," inside quotes or one level of
// brackets does not separate; quotes and brackets stay part of the item.
std::optional<std::wstring_view> SkinSubParamItem(std::wstring_view paramValue, int32_t index);
// Every sub-param in order, from one scan: what a reader of many items uses, so
// a long value costs one pass rather than one per item.
std::vector<std::wstring_view> SkinSubParamItems(std::wstring_view paramValue);

// ---- template definition

namespace detail {
SkinValueParam ParseSkinValueField(std::wstring_view field);
}

template <class Visit>
void ForEachSkinValueParam(std::wstring_view value, Visit&& visit) {
  std::size_t start = 0;
  for (;;) {
    const auto end = value.find(L';', start);
    const std::wstring_view field =
        value.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
    if (field.empty()) return;
    const SkinValueParam param = detail::ParseSkinValueField(field);
    if (!param.name.empty() && visit(param)) return;
    if (end == std::wstring_view::npos) return;
    start = end + 1;
  }
}

}  // namespace kelvra
