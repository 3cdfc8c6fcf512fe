// Start step of the image runtime: registers the PNG and JPEG decoders.
#include "core/image/decode/image_decoder_registry.h"
#include "core/library/subsystem_steps.h"

namespace kelvra::steps {
void RegisterImageDecoders() {
  image::RegisterDecoder(image::DecodePng);
  image::RegisterDecoder(image::DecodeJpeg);
}
}  // namespace kelvra::steps
