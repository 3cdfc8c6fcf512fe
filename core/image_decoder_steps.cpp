// Start step of the image runtime's decoders (not built yet).
#include "core/subsystem_steps.h"

namespace kelvra::steps {
void RegisterImageDecoders() {}
}  // namespace kelvra::steps
