// The keywords of the UI colour indices, and which indices hold COLORREF colours.
#include "skin/ui_colours/ui_colour_index.h"

#include <algorithm>
#include <iterator>

#include "skin/values/ascii_keyword.h"

namespace kelvra {

namespace {

constexpr std::string_view kIndexNames[] = {
    "menutitletextcolor", "menutitlehottextcolor", "menutitleheldtextcolor", "menutitleinactivetextcolor",
    "menutextcolor", "menuhotcolor", "menuhotgradientcolor1", "menuhotgradientcolor2",
    "menuhotborder", "menuheldcolor", "menuheldgradientcolor1", "menuheldgradientcolor2",
    "menuheldborder", "menubarcolor", "menucheckboxbackground", "menucheckboxborder",
    "menucheckboxselectedbackground", "menucheckboxselectedborder", "menucheckboxdisabledbackground",
    "menucheckboxdisabledborder", "menudropshadow", "bargradientcolor1", "bargradientcolor2",
    "bargradientcolor3", "bargradientcolor4", "separatorbar", "selectedcolor", "selectedtextcolor",
    "selectedborder", "disabledcolor", "background", "rebarbackground1", "rebarbackground2",
    "toolstripbackground1", "toolstripbackground2", "toolstripbackground3", "toolstripbackground4",
    "toolstripdropdowngradient1", "toolstripdropdowngradient2", "toolstripdropdowngradient3",
    "toolstripdropdowngradient4", "toolstripshadow", "grippersolid", "grippershadow",
    "selectgradientcolor1", "selectgradientcolor2", "stickyselectgradientcolor1",
    "stickyselectgradientcolor2", "stickyselectbordercolor", "toolbarbuttontextcolor",
    "toolbarbuttonhottextcolor", "toolbarbuttondisabledtextcolor", "toolbarhotgradientcolor1",
    "toolbarhotgradientcolor2", "toolbarseparator", "toolbarseparatorshadow",
};
static_assert(std::size(kIndexNames) == kToolBarSeparatorShadow + 1);

constexpr int32_t kColourRefFormIndices[] = {5,  8,  9,  12, 13, 14, 15, 16, 17, 18, 19, 25,
                                             26, 28, 30, 42, 43, 49, 50, 51, 54, 55};

constexpr std::size_t kLongestName = 30;  // "menucheckboxselectedbackground"

}  // namespace

std::string_view UIColourIndexName(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(std::size(kIndexNames))) return {};
  return kIndexNames[index];
}

int32_t FindUIColourIndex(std::wstring_view name) {
  char buffer[kLongestName];
  const std::string_view key = FoldAsciiKeyword(name, buffer);
  if (key.empty()) return -1;
  const auto* found = std::find(std::begin(kIndexNames), std::end(kIndexNames), key);
  return found == std::end(kIndexNames) ? -1 : static_cast<int32_t>(found - std::begin(kIndexNames));
}

bool IsColourRefFormIndex(int32_t index) {
  return std::binary_search(std::begin(kColourRefFormIndices), std::end(kColourRefFormIndices), index);
}

}  // namespace kelvra
