// Fuzz target of the PNG decode-to-pixels step (what it checks: decode_fuzz_check.h).
#include <cstddef>
#include <cstdint>

#include "tests/core/image/decode/decode_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return kelvra::image::CheckDecoderOnFuzzInput(kelvra::image::DecodePng, data, size);
}
