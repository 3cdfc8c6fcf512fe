// TintImageForUIStyle: the disabled look of menu and toolbar icons per UI style.
#include "core/image/image_recolour.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/elements/ui_element_painter.h"
#include "skin/ui_colours/ui_colour_tables.h"

namespace kelvra {

HICON TintImageForUIStyle(HANDLE image, uint32_t style) {
  const auto table = TableOfStyle(style, true);
  if (table == UITable::Office2003 || table == UITable::Office2007) {
    const bool office2007 = table == UITable::Office2007;
    HueBlendSettings settings;
    settings.alpha = office2007 ? 190.0f : 255.0f;
    settings.colour = static_cast<int32_t>(
        LookupUIColour(style, office2007 ? kMenuHeldGradientColour2 : kToolStripBackground4, kUIColourColorRef));
    settings.saturationShift = office2007 ? -0.1f : 0.0f;
    settings.lightness = office2007 ? 0.49f : 0.64f;
    settings.blendColour = office2007
                               ? static_cast<int32_t>(LookupUIColour(style, kMenuHeldGradientColour1, kUIColourColorRef))
                               : static_cast<int32_t>(RGB(210, 210, 210));
    settings.amount = office2007 ? 80.0f : 110.0f;
    return static_cast<HICON>(HueBlendImage(image, settings, kRecolourAsIcon));
  }
  // Whidbey fades the icon; any other style (the classic look) greys it as well.
  BlendSettings settings;
  settings.alpha = style == kUIStyleWhidbey ? 80.0f : 120.0f;
  const int32_t flags = style == kUIStyleWhidbey ? kRecolourAsIcon : kRecolourAsIcon | kRecolourGreyscale;
  return static_cast<HICON>(BlendImage(image, settings, flags));
}

}  // namespace kelvra
