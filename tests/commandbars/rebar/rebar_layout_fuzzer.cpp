// Fuzz target of the layout file's band list: any bytes are refused or give a
// list; an accepted list, written and read again, is the same list.
#include <cstdint>
#include <cstdlib>

#include "commandbars/rebar/rebar_layout_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto bands = kelvra::ReadRebarLayout(std::span<const uint8_t>(data, size));
  if (!bands) return 0;
  const std::string written = kelvra::WriteRebarLayout(*bands);
  const auto again = kelvra::ReadRebarLayout(written);
  if (!again) std::abort();
  // An empty list is written as one band of zeros.
  if (bands->empty() ? *again != std::vector<kelvra::RebarLayoutBand>{{}} : *again != *bands) std::abort();
  return 0;
}
