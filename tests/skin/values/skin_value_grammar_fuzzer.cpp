// Fuzz target of the property-value grammar (params, sub-params, numbers) and the
// readers over it: any value splits into params whose names and values lie inside
// it, every param found by the walk is found by name, and the one-scan reader of
// sub-params agrees with the reader of one item.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_text.h"
#include "skin/values/skin_value_grammar.h"
#include "skin/values/skin_value_readers.h"
#include "tests/skin/values/fuzz_colour_lookups.h"
#include "tests/support/fuzz_input.h"

namespace {

bool Inside(std::wstring_view part, std::wstring_view whole) {
  return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvra;
  test::FuzzInput input(data, size);
  const int32_t index = input.Int();
  const std::wstring value = input.Text();
  const std::wstring_view view(value);
  const test::FuzzColourLookups lookups;

  std::vector<SkinValueParam> params;
  SplitSkinValueParams(view, params);
  if (HasSkinValueParams(view) != !params.empty()) std::abort();
  for (const SkinValueParam& param : params) {
    if (param.name.empty() || !Inside(param.name, view) || IsBlank(param.name.front()) || IsBlank(param.name.back()))
      std::abort();
    if (!Inside(param.value, view) && param.value != L"true") std::abort();
    if (!FindSkinValueParam(view, param.name)) std::abort();
    const std::vector<std::wstring_view> items = SkinSubParamItems(param.value);
    for (size_t i = 0; i < items.size() && i < 32; ++i) {
      const auto item = SkinSubParamItem(param.value, static_cast<int32_t>(i + 1));
      if (!item || *item != items[i]) std::abort();
    }
    if (CountSkinSubParams(param.value) < 0) std::abort();
    (void)LookupSkinPropertyParam(view, param.name, lookups);
    (void)LookupSkinPropertySubParam(view, param.name, index, lookups);
    (void)SkinSubParamColour(view, param.name, index, lookups);
    (void)SkinSubParamCount(view, param.name);
  }
  (void)SkinValueField(view, index);
  (void)FirstSkinValueField(view);
  (void)LookupSkinPropertyParam(view, L"", lookups);
  (void)SkinPropertyText(view, lookups);
  (void)ReadSkinInteger(view);
  (void)ReadSkinFloat(view);
  (void)ReadSkinDouble(view);
  return 0;
}
