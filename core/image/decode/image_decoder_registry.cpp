// The image runtime's list of decoders.
#include "core/image/decode/image_decoder_registry.h"

#include <algorithm>
#include <vector>

namespace kelvra::image {
namespace {
std::vector<DecodeFunction>& Decoders() {
  static std::vector<DecodeFunction> decoders{DecodeBmp};
  return decoders;
}
}  // namespace

void RegisterDecoder(DecodeFunction decoder) {
  auto& list = Decoders();
  if (decoder && std::find(list.begin(), list.end(), decoder) == list.end()) list.push_back(decoder);
}

bool DecodeWithRegisteredDecoders(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  for (DecodeFunction decoder : Decoders())
    if (decoder(data, size, out)) return true;
  return false;
}

}  // namespace kelvra::image
