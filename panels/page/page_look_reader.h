// ReadPageLook: a page's look read from one state of a skin component, with the
// state reader and property helpers that every family's skin reading shares.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "panels/page/page_look.h"
#include "panels/page/page_skin_values.h"
#include "skin/records/skin_record.h"

namespace kelvra {

// The properties of one state of a skin component, found by the skin engine's
// themed look-up ("buttonex:blue" first, then "buttonex"), as every skin reader
// finds them. The colour-theme word is taken once, when the reader is made: a
// look read with it never sees the word change halfway.
class SkinStateReader {
 public:
  SkinStateReader(const SkinRecord& skin, std::wstring_view component);

  void SelectState(std::wstring_view state) { state_ = state; }
  // The property `name` of the selected state, nullptr when the skin has none.
  SkinPropertyRecord* Property(std::wstring_view name) const;

 private:
  const SkinRecord& skin_;
  std::wstring_view component_;
  std::wstring themeWord_;
  std::wstring_view state_;
};

// A property that may be missing: its value ("" when missing), its data as a
// handle (nullptr when missing) and its params (each "" when missing).
std::wstring_view SkinValueOf(const SkinPropertyRecord* property);
template <class Handle>
Handle SkinDataOf(const SkinPropertyRecord* property) {
  return property ? reinterpret_cast<Handle>(property->data) : nullptr;
}
SkinParamReader SkinParamsOf(const SkinPropertyRecord* property);

// The look of the state `state` selects, from its properties "background image",
// "background position", "background", "border image" (its data, with the margins
// from its params "top", "left", "bottom" and "right"), "border mask", "overlay
// image", "overlay position" and "overlay", read in that order, each name preceded
// by `prefix` ("group " reads "group background image" and so on; empty for none).
// "background" and "overlay": a gradient param gives the gradient built with the
// property, a colour a solid gradient of that colour (made once and attached to
// the property, which keeps it for as long as it shows that colour; 0 without
// GDI+), anything else a number (a ThemeBackgroundCode, -1 for none). A missing
// property reads 0.
PageLook ReadPageLook(SkinRecord& skin, const SkinStateReader& state, std::wstring_view prefix = {});

}  // namespace kelvra
