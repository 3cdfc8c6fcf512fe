// Exports of the colour arithmetic.
#include "kelvra.h"

#include "core/colour/colour_math.h"

extern "C" {

KELVRA_API int KELVRA_CALL MakeColour(int alpha, int red, int green, int blue) {
  return kelvra::MakeArgb(alpha, red, green, blue);
}
KELVRA_API int KELVRA_CALL MakeColor(int alpha, int red, int green, int blue) {
  return kelvra::MakeArgb(alpha, red, green, blue);
}
KELVRA_API int KELVRA_CALL MakeRGB(int red, int green, int blue) { return kelvra::MakeRgbValue(red, green, blue); }
KELVRA_API int KELVRA_CALL AlphaBlendColour(int colour1, int colour2, int alpha) {
  return kelvra::AlphaBlendRgb(colour1, colour2, alpha);
}
KELVRA_API int KELVRA_CALL AlphaBlendColor(int colour1, int colour2, int alpha) {
  return kelvra::AlphaBlendRgb(colour1, colour2, alpha);
}

}  // extern "C"
