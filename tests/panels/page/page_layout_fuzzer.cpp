// Fuzz target of the layout arithmetic fed from skin values: a property value's
// image position, edges and content position read through the value grammar, then
// the page image's placement and tiles over a visible span and a button's image
// and text layout, whatever the numbers (sizes, paddings and offsets are a skin's
// or a caller's 32-bit integers).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "panels/button/button_layout.h"
#include "panels/button/button_skin_values.h"
#include "panels/page/page_image_placement.h"
#include "panels/page/page_skin_values.h"
#include "skin/values/skin_text.h"
#include "skin/values/skin_value_grammar.h"
#include "tests/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvra;
  test::FuzzInput input(data, size);
  ImagePlacementRequest request;
  request.imageWidth = input.Int();
  request.imageHeight = input.Int();
  request.areaWidth = input.Int();
  request.areaHeight = input.Int();
  request.overlay = input.Flag();
  // A clip box of at most 256 by 256 pixels somewhere over the area.
  const int64_t visibleLeft = input.Int(), visibleTop = input.Int();
  const VisibleSpan visibleX{visibleLeft, visibleLeft + input.Byte()};
  const VisibleSpan visibleY{visibleTop, visibleTop + input.Byte()};
  ButtonExLayoutInput button;
  button.pageWidth = input.Int();
  button.pageHeight = input.Int();
  button.imageWidth = input.Int();
  button.imageHeight = input.Int();
  button.textWidth = input.Int();
  button.textHeight = input.Int();
  button.hasImage = input.Flag();
  button.hasText = input.Flag();
  const std::wstring value = input.Text();

  const SkinParamReader param = [&](std::wstring_view name) {
    const auto found = FindSkinValueParam(value, name);
    return found ? LowerCaseText(*found) : std::wstring();
  };
  const PageImagePosition position = ReadPageImagePosition(param);
  request.x = position.x;
  request.y = position.y;
  ImagePlacementFlags& flags = request.flags;
  flags.xPercent = position.flags & 0x1;
  flags.yPercent = position.flags & 0x2;
  flags.centreX = position.flags & 0x10;
  flags.centreY = position.flags & 0x20;
  flags.stretch = position.flags & 0x80;
  flags.tileX = position.flags & 0x100;
  flags.tileY = position.flags & 0x200;
  flags.fromRight = position.flags & 0x400;
  flags.fromBottom = position.flags & 0x800;
  const ImagePlacement placement = PlaceImage(request);
  int64_t tiles = 0;
  ForEachImageTile(
      placement, request,
      [&](int64_t x, int64_t y) {
        // Only tiles that can be seen are walked, so their number is bounded by
        // the visible span whatever the area.
        if (!visibleX.Meets(x, request.imageWidth) && placement.layout != ImageLayout::Column) std::abort();
        if (!visibleY.Meets(y, request.imageHeight) && placement.layout != ImageLayout::Row) std::abort();
        if (++tiles > 260 * 260) std::abort();
      },
      visibleX, visibleY);

  button.imagePadding = ReadSkinEdges(param);
  button.textPadding = button.imagePadding;
  button.image = ReadContentPosition(param);
  button.text = button.image;
  (void)LayOutButtonEx(button);
  (void)CursorFromSkinValue(value);
  return 0;
}
