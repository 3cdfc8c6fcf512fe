// Placeholder until the glyph data is stored.
#include "core/builtin_glyphs.h"

namespace kelvra {
void LoadBuiltInGlyphs() {}
}  // namespace kelvra
