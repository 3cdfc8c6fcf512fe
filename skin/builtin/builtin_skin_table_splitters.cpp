// The rows of the two system-look splitter skins.
// One row per property call, in the order the builder makes them.
#include "skin/builtin/builtin_skin_rows.h"

namespace kelvra {

namespace {

// 10 properties
constexpr BuiltInRow kSysSplitterSkin[] = {
    Value(L"splitterex", L"normal", L"gripper size", L"width: 5;"),
    Value(L"splitterex", L"normal", L"gripper background", L"-1;"),
    Value(L"splitterex", L"normal", L"background", L"-1;"),
    Value(L"splitterex", L"hot", L"gripper background", L"-1;"),
    Value(L"splitterex", L"pressed", L"gripper background", L"-1;"),
    Value(L"splitterex", L"normal vertical", L"gripper size", L"height: 5;"),
    Value(L"splitterex", L"normal vertical", L"gripper background", L"-1;"),
    Value(L"splitterex", L"normal vertical", L"background", L"-1;"),
    Value(L"splitterex", L"hot vertical", L"gripper background", L"-1;"),
    Value(L"splitterex", L"pressed vertical", L"gripper background", L"-1;"),
};

// 30 properties
constexpr BuiltInRow kSysSplitter2Skin[] = {
    Value(L"splitterex", L"normal", L"gripper size", L"width: 5;"),
    Value(L"splitterex", L"normal", L"first padding", L"right: 1;"),
    Value(L"splitterex", L"normal", L"second padding", L"left: 1;"),
    Value(L"splitterex", L"normal", L"background", L"-1;"),
    Value(L"splitterex", L"normal", L"gripper background", L"COLOR_BTNFACE;"),
    Image(L"splitterex", L"normal", L"gripper border image", BuiltInImage::Splitter2Frame),
    Value(L"splitterex", L"normal", L"gripper border mask", L"-1;"),
    Value(L"splitterex", L"hot", L"background", L"-1;"),
    Value(L"splitterex", L"hot", L"gripper background", L"COLOR_BTNFACE;"),
    Image(L"splitterex", L"hot", L"gripper border image", BuiltInImage::Splitter2Frame),
    Value(L"splitterex", L"hot", L"gripper border mask", L"-1;"),
    Value(L"splitterex", L"pressed", L"background", L"-1;"),
    Value(L"splitterex", L"pressed", L"gripper background", L"COLOR_BTNFACE;"),
    Image(L"splitterex", L"pressed", L"gripper border image", BuiltInImage::Splitter2Frame),
    Value(L"splitterex", L"pressed", L"gripper border mask", L"-1;"),
    Value(L"splitterex", L"normal vertical", L"gripper size", L"height: 5;"),
    Value(L"splitterex", L"normal vertical", L"first padding", L"bottom: 1;"),
    Value(L"splitterex", L"normal vertical", L"second padding", L"top: 1;"),
    Value(L"splitterex", L"normal vertical", L"background", L"-1;"),
    Value(L"splitterex", L"normal vertical", L"gripper background", L"COLOR_BTNFACE;"),
    Image(L"splitterex", L"normal vertical", L"gripper border image", BuiltInImage::Splitter2Frame),
    Value(L"splitterex", L"normal vertical", L"gripper border mask", L"-1;"),
    Value(L"splitterex", L"hot vertical", L"background", L"-1;"),
    Value(L"splitterex", L"hot vertical", L"gripper background", L"COLOR_BTNFACE;"),
    Image(L"splitterex", L"hot vertical", L"gripper border image", BuiltInImage::Splitter2Frame),
    Value(L"splitterex", L"hot vertical", L"gripper border mask", L"-1;"),
    Value(L"splitterex", L"pressed vertical", L"background", L"-1;"),
    Value(L"splitterex", L"pressed vertical", L"gripper background", L"COLOR_BTNFACE;"),
    Image(L"splitterex", L"pressed vertical", L"gripper border image", BuiltInImage::Splitter2Frame),
    Value(L"splitterex", L"pressed vertical", L"gripper border mask", L"-1;"),
};

}  // namespace

std::span<const BuiltInRow> SysSplitterSkinRows() { return kSysSplitterSkin; }
std::span<const BuiltInRow> SysSplitter2SkinRows() { return kSysSplitter2Skin; }

}  // namespace kelvra
