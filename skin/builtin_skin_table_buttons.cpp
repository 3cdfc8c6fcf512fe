// The rows of the image, push, toggle and sticky button skins.
// One row per property call, in the order the builder makes them.
#include "skin/builtin_skin_rows.h"

namespace kelvra {

namespace {

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

// 35 properties
constexpr BuiltInRow kSysToggleButtonSkin[] = {
    Value(L"togglebuttonex", L"normal", L"background", L"8;"),
    Value(L"togglebuttonex", L"normal", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"normal", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"normal", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"normal", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"hot", L"background", L"9;"),
    Value(L"togglebuttonex", L"hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"hot", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"hot", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"hot", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"pressed", L"background", L"10;"),
    Value(L"togglebuttonex", L"pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"pressed", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"pressed", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"pressed", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"disabled", L"background", L"11;"),
    Value(L"togglebuttonex", L"disabled", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"disabled", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"disabled", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"disabled", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"selected", L"background", L"8;"),
    Value(L"togglebuttonex", L"selected", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"selected", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"selected hot", L"background", L"9;"),
    Value(L"togglebuttonex", L"selected hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected hot", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"selected hot", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected hot", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"selected pressed", L"background", L"10;"),
    Value(L"togglebuttonex", L"selected pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected pressed", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"selected pressed", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected pressed", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
};

// 35 properties
constexpr BuiltInRow kSysStickyButtonSkin[] = {
    Value(L"togglebuttonex", L"normal", L"background", L"8;"),
    Value(L"togglebuttonex", L"normal", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"normal", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"normal", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"normal", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"hot", L"background", L"9;"),
    Value(L"togglebuttonex", L"hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"hot", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"hot", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"hot", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"pressed", L"background", L"10;"),
    Value(L"togglebuttonex", L"pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"pressed", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"pressed", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"pressed", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"disabled", L"background", L"11;"),
    Value(L"togglebuttonex", L"disabled", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"disabled", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"disabled", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"disabled", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"selected", L"background", L"10;"),
    Value(L"togglebuttonex", L"selected", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"selected", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"selected hot", L"background", L"10;"),
    Value(L"togglebuttonex", L"selected hot", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected hot", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"selected hot", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected hot", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
    Value(L"togglebuttonex", L"selected pressed", L"background", L"10;"),
    Value(L"togglebuttonex", L"selected pressed", L"image position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected pressed", L"image padding", L"top: 2; left: 6; bottom: 2; right: 4;"),
    Value(L"togglebuttonex", L"selected pressed", L"text position", L"x: 50%; y: 50%;"),
    Value(L"togglebuttonex", L"selected pressed", L"text padding", L"top: 2; left: 2; bottom: 2; right: 6;"),
};

}  // namespace

std::span<const BuiltInRow> ImageButtonSkinRows() { return kImageButtonSkin; }
std::span<const BuiltInRow> SysButtonSkinRows() { return kSysButtonSkin; }
std::span<const BuiltInRow> SysToggleButtonSkinRows() { return kSysToggleButtonSkin; }
std::span<const BuiltInRow> SysStickyButtonSkinRows() { return kSysStickyButtonSkin; }

}  // namespace kelvra
