// The rows of the image, push, toggle and sticky button skins.
// One row per property call, in the order the builder makes them; the toggle and
// sticky tables are made from the push button table at compile time.
#include <array>
#include <cstddef>

#include "skin/builtin/builtin_skin_rows.h"

namespace kelvra {

namespace {

constexpr bool Equal(const wchar_t* a, const wchar_t* b) {
  while (*a && *a == *b) ++a, ++b;
  return *a == *b;
}
constexpr bool StartsWith(const wchar_t* text, const wchar_t* prefix) {
  while (*prefix && *text == *prefix) ++text, ++prefix;
  return !*prefix;
}

template <std::size_t N>
constexpr std::array<BuiltInRow, N> OnComponent(const BuiltInRow (&rows)[N], const wchar_t* component) {
  std::array<BuiltInRow, N> moved{};
  for (std::size_t i = 0; i < N; ++i) {
    moved[i] = rows[i];
    moved[i].component = component;
  }
  return moved;
}

// 8 properties
constexpr BuiltInRow kImageButtonSkin[] = {
    Value(L"imagebuttonex", L"normal", L"background", L"-1;"),
    Value(L"imagebuttonex", L"normal", L"image position", L"x: 50%; y: 50%;"),
    Value(L"imagebuttonex", L"hot", L"background", L"-1;"),
    Value(L"imagebuttonex", L"hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"imagebuttonex", L"pressed", L"background", L"-1;"),
    Value(L"imagebuttonex", L"pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"imagebuttonex", L"disabled", L"background", L"-1;"),
    Value(L"imagebuttonex", L"disabled", L"image position", L"x: 50%; y: 50%;"),
};

// 35 properties
constexpr BuiltInRow kSysButtonSkin[] = {
    Value(L"buttonex", L"normal", L"background", L"8;"),
    Value(L"buttonex", L"normal", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"normal", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"normal", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"normal", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"buttonex", L"hot", L"background", L"9;"),
    Value(L"buttonex", L"hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"hot", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"hot", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"hot", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"buttonex", L"pressed", L"background", L"10;"),
    Value(L"buttonex", L"pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"pressed", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"pressed", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"pressed", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"buttonex", L"disabled", L"background", L"11;"),
    Value(L"buttonex", L"disabled", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"disabled", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"disabled", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"disabled", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"buttonex", L"selected", L"background", L"8;"),
    Value(L"buttonex", L"selected", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"selected", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"selected", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"selected", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"buttonex", L"selected hot", L"background", L"9;"),
    Value(L"buttonex", L"selected hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"selected hot", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"selected hot", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"selected hot", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"buttonex", L"selected pressed", L"background", L"10;"),
    Value(L"buttonex", L"selected pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"selected pressed", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"buttonex", L"selected pressed", L"text position", L"x: 50%; y: 50%;"),
    Value(L"buttonex", L"selected pressed", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
};

// The toggle button skin is the push button skin on its own component.
constexpr auto kSysToggleButtonSkin = OnComponent(kSysButtonSkin, L"togglebuttonex");

// The sticky button skin is the toggle skin whose selected states all show the
// pressed face: a selected sticky button stays down.
constexpr auto kSysStickyButtonSkin = [] {
  auto rows = kSysToggleButtonSkin;
  for (auto& row : rows)
    if (StartsWith(row.state, L"selected") && Equal(row.property, L"background")) row.value = L"10;";
  return rows;
}();

}  // namespace

std::span<const BuiltInRow> ImageButtonSkinRows() { return kImageButtonSkin; }
std::span<const BuiltInRow> SysButtonSkinRows() { return kSysButtonSkin; }
std::span<const BuiltInRow> SysToggleButtonSkinRows() { return kSysToggleButtonSkin; }
std::span<const BuiltInRow> SysStickyButtonSkinRows() { return kSysStickyButtonSkin; }

}  // namespace kelvra
