// The skin engine's answers while it is not built: what skin/skin_seam.h promises
// as "nothing here". Building one means deleting it here and defining it where it
// belongs.
#include "skin/skin_seam.h"

namespace kelvra {}  // namespace kelvra
