// Building the built-in skins: their tables run row by row through the skin
// exports, with the images stored in the library, the images drawn for the build
// and the explorer bar's assembled texts.
#include "skin/builtin/builtin_skins.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "kelvra.h"
#include "skin/builtin/builtin_skin_drawn_images.h"
#include "skin/builtin/builtin_skin_rows.h"
#include "skin/builtin/builtin_skin_stored_images.h"
#include "skin/records/skin_data_objects.h"
#include "skin/records/skin_list.h"
#include "skin/records/skin_loading_flag.h"
#include "skin/builtin/xbar_text_style.h"
#include "skin/builtin/xbar_text_values.h"

namespace kelvra {

namespace {

static_assert(static_cast<int>(BuiltInImage::SetCCollapseArrow) == static_cast<int>(StoredSkinImage::SetCCollapseArrow));
static_assert(kStoredImageCount == static_cast<int>(StoredSkinImage::Count));

// What one build makes on first use and shares between its rows: each drawn image
// once (one bitmap serves every property that names it), and the explorer bar's
// text style.
class BuildMaterials {
 public:
  HANDLE Image(BuiltInImage image) {
    if (IsStoredImage(image)) return StoredSkinImageBitmap(static_cast<StoredSkinImage>(image));
    auto& slot = drawn_[static_cast<std::size_t>(image)];
    if (!slot) {
      auto drawnImage = DrawBuiltInImage(image);
      const uintptr_t bitmap = drawnImage ? reinterpret_cast<uintptr_t>(drawnImage->Detach()) : 0;
      // Skins own what is drawn for them: the last skin holding a bitmap (a copy
      // included) deletes it.
      if (bitmap) RegisterSkinDataObject(bitmap, SkinDataRelease::Bitmap);
      slot = bitmap;
    }
    return reinterpret_cast<HANDLE>(*slot);
  }

  const XBarTextStyle& TextStyle() {
    if (!textStyle_) textStyle_ = ReadXBarTextStyle();
    return *textStyle_;
  }

  // Drawn images that no property took (the skin vanished mid-build) go now.
  ~BuildMaterials() {
    for (const auto& slot : drawn_)
      if (slot && *slot && SkinDataUses(*slot) == 0) DiscardSkinDataObject(*slot);
  }

 private:
  std::array<std::optional<uintptr_t>, static_cast<std::size_t>(BuiltInImage::Count)> drawn_;
  std::optional<XBarTextStyle> textStyle_;
};

std::wstring TextOf(const BuiltInRow& row, BuildMaterials& materials) {
  const auto& style = materials.TextStyle();
  switch (row.kind) {
    case BuiltInRowKind::XBarHeaderText: return XBarHeaderText(style.face, style.points, style.headerRgb);
    case BuiltInRowKind::XBarItemText: return XBarItemText(style.face, style.points, style.itemRgb, false);
    case BuiltInRowKind::XBarItemHotText: return XBarItemText(style.face, style.points, style.itemRgb, true);
    default: return row.value ? row.value : L"";
  }
}

void RunRow(HANDLE skin, const BuiltInRow& row, BuildMaterials& materials) {
  if (row.kind == BuiltInRowKind::Image) {
    SetSkinPropertyData(skin, row.component, row.state, row.property, materials.Image(row.image));
    return;
  }
  // Values go in verbatim: SetSkinProperty lower-cases them itself.
  const std::wstring value = TextOf(row, materials);
  SetSkinProperty(skin, row.component, row.state, row.property, value.c_str());
}

std::wstring LowerCaseAscii(std::wstring_view name) {
  std::wstring lower(name);
  for (auto& c : lower)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return lower;
}

}  // namespace

int32_t BuildDefaultSkin(std::wstring_view name) noexcept {
  try {
    DecodeStoredSkinImages();
    if (FindSkinByName(name)) return 0;
    const std::wstring key = LowerCaseAscii(name);
    const auto* table = FindBuiltInSkinTable(key.c_str());
    if (!table) return 0;

    SkinLoadingScope loading;
    HANDLE skin = CreateSkin(table->displayName);
    if (!skin) return 0;
    BuildMaterials materials;
    for (const auto& row : table->rows) RunRow(skin, row, materials);
  } catch (...) {
    // Out of memory part-way: the skin keeps the rows it got; the flag is restored.
  }
  return 0;
}

uintptr_t BuiltInSkin(std::wstring_view key) noexcept {
  try {
    if (const auto* skin = FindSkinByName(key)) return SkinHandle(skin);
    BuildDefaultSkin(key);
    return SkinHandle(FindSkinByName(key));
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvra
