// The built-in skins as data: each row is one property call (component, state,
// property, and a value text, an image or a text assembled at build time), in the
// order in which the builder makes the calls. Pure data: no <windows.h>.
#pragma once

#include <cstdint>
#include <span>

namespace kelvra {

// The images a row can attach. The first twelve are the stored PNGs (in the order
// of StoredSkinImage); the rest are drawn for each build, one image serving every
// row of that build that names it.
enum class BuiltInImage : uint8_t {
  SetAPanelBorder, SetAHeaderBorder, SetAExpandArrow, SetACollapseArrow,
  SetBPanelBorder, SetBHeaderBorder, SetBExpandArrow, SetBCollapseArrow,
  SetCPanelBorder, SetCHeaderBorder, SetCExpandArrow, SetCCollapseArrow,
  // 16x16 radio glyphs, one per button state
  RadioNormal, RadioHot, RadioPressed, RadioDisabled, RadioSelected, RadioSelectedHot,
  RadioSelectedPressed,
  // 16x16 check glyphs, one per button state
  CheckNormal, CheckHot, CheckPressed, CheckDisabled, CheckSelected, CheckSelectedHot,
  CheckSelectedPressed, CheckInbetween, CheckInbetweenHot, CheckInbetweenPressed,
  // 19x19 group-header glyphs: collapse for the first four, expand for the selected three
  HeaderNormal, HeaderHot, HeaderPressed, HeaderDisabled, HeaderSelected, HeaderSelectedHot,
  HeaderSelectedPressed,
  Office2007Grip,       // 19x3 dotted grip
  Office2007GripFrame,  // 100x100 frame with a white line inside its top edge
  Splitter2Frame,       // 100x100 frame in the 3D shadow colour
  Count
};

inline constexpr int kStoredImageCount = 12;
inline constexpr bool IsStoredImage(BuiltInImage image) { return static_cast<int>(image) < kStoredImageCount; }

// What a row sets.
enum class BuiltInRowKind : uint8_t {
  Value,               // SetSkinProperty with `value`
  Image,               // SetSkinPropertyData with the image
  XBarHeaderText,      // the explorer bar's group-header text, assembled at build time
  XBarItemText,        // a group item's text
  XBarItemHotText,     // a group item's text, underlined
};

struct BuiltInRow {
  const wchar_t* component;
  const wchar_t* state;
  const wchar_t* property;
  BuiltInRowKind kind;
  const wchar_t* value;  // Value rows only
  BuiltInImage image;    // Image rows only
};

constexpr BuiltInRow Value(const wchar_t* component, const wchar_t* state, const wchar_t* property,
                           const wchar_t* value) {
  return {component, state, property, BuiltInRowKind::Value, value, BuiltInImage::Count};
}
constexpr BuiltInRow Image(const wchar_t* component, const wchar_t* state, const wchar_t* property,
                           BuiltInImage image) {
  return {component, state, property, BuiltInRowKind::Image, nullptr, image};
}
constexpr BuiltInRow Text(const wchar_t* component, const wchar_t* state, const wchar_t* property,
                          BuiltInRowKind kind) {
  return {component, state, property, kind, nullptr, BuiltInImage::Count};
}

// One built-in skin: the lower-case key it is asked for by, the name it is created
// with, and its rows.
struct BuiltInSkinTable {
  const wchar_t* key;
  const wchar_t* displayName;
  std::span<const BuiltInRow> rows;
};

// The eleven built-in skins.
std::span<const BuiltInSkinTable> BuiltInSkinTables();
// The table whose key equals `lowerCaseName`; nullptr when none does.
const BuiltInSkinTable* FindBuiltInSkinTable(const wchar_t* lowerCaseName);

// The rows of each skin (one file of tables per family).
std::span<const BuiltInRow> ImageButtonSkinRows();
std::span<const BuiltInRow> SysButtonSkinRows();
std::span<const BuiltInRow> SysToggleButtonSkinRows();
std::span<const BuiltInRow> SysStickyButtonSkinRows();
std::span<const BuiltInRow> SysRadioButtonSkinRows();
std::span<const BuiltInRow> SysCheckButtonSkinRows();
std::span<const BuiltInRow> SysXBarSkinRows();
std::span<const BuiltInRow> Office2007XBarSkinRows();
std::span<const BuiltInRow> SysSplitterSkinRows();
std::span<const BuiltInRow> SysSplitter2SkinRows();
std::span<const BuiltInRow> Office2007SplitterSkinRows();

}  // namespace kelvra
