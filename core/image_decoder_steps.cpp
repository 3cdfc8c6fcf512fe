// Start step of the image runtime: registers the PNG and JPEG decoders.
#include "core/image_decoder_registry.h"
#include "core/subsystem_steps.h"

namespace kelvra::steps {
void RegisterImageDecoders() {
  image::RegisterDecoder(image::DecodePng);
  image::RegisterDecoder(image::DecodeJpeg);
}
}  // namespace kelvra::steps
