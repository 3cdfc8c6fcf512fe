// GetSysColor, the UI colour tables and the colour-name map behind the parser.
#include "skin/values/system_colour_lookups.h"

#include <windows.h>

#include "skin/values/colour_name_map.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_lookup.h"

namespace kelvra {

namespace {

class SystemLookups final : public ColourLookups {
 public:
  int32_t SystemColour(int32_t index) const override { return static_cast<int32_t>(GetSysColor(index)); }
  int32_t UIColourIndex(std::wstring_view name) const override { return FindUIColourIndex(name); }
  int32_t UIColour(int32_t style, int32_t index, int32_t mode) const override {
    return static_cast<int32_t>(ReadUIColour(static_cast<uint32_t>(style), index, mode));
  }
  std::optional<uint32_t> NamedColour(std::wstring_view name) const override { return FindColourName(name); }
};

}  // namespace

const ColourLookups& SystemColourLookups() {
  static const SystemLookups lookups;
  return lookups;
}

}  // namespace kelvra
