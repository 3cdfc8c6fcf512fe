// Page skin words: image positions and edges.
#include "panels/page/page_skin_values.h"

#include "skin/values/skin_number_reader.h"

namespace kelvra {

namespace {

bool HasPercent(std::wstring_view value) { return value.find(L'%') != std::wstring_view::npos; }

// One axis of a page image position. Each later param of the axis overwrites the
// offset of an earlier one; an empty value changes nothing.
struct PageAxis {
  int32_t percentFlag, centreFlag, repeatFlag, farEdgeFlag;
};

void ReadPageAxisParam(const std::wstring& value, const PageAxis& axis, bool farEdge, PageImagePosition& out,
                       int32_t& offset) {
  if (value.empty()) return;
  if (farEdge) out.flags |= axis.farEdgeFlag;
  if (HasPercent(value)) {
    out.flags |= axis.percentFlag;
    offset = ReadSkinInteger(value);
  } else if (value == L"centre") {
    out.flags |= axis.centreFlag;
  } else if (value == L"repeat") {
    out.flags |= axis.repeatFlag;
  } else {
    offset = ReadSkinInteger(value);
  }
}

}  // namespace

PageImagePosition ReadPageImagePosition(const SkinParamReader& param) {
  static constexpr PageAxis kX{0x1, 0x10, 0x100, 0x400};
  static constexpr PageAxis kY{0x2, 0x20, 0x200, 0x800};
  PageImagePosition out;
  ReadPageAxisParam(param(L"x"), kX, false, out, out.x);
  ReadPageAxisParam(param(L"left"), kX, false, out, out.x);
  ReadPageAxisParam(param(L"right"), kX, true, out, out.x);
  ReadPageAxisParam(param(L"y"), kY, false, out, out.y);
  ReadPageAxisParam(param(L"top"), kY, false, out, out.y);
  ReadPageAxisParam(param(L"bottom"), kY, true, out, out.y);
  if (param(L"stretch") == L"true") out.flags |= 0x80;
  if (param(L"tile") == L"true") out.flags |= 0x300;
  if (param(L"masked") == L"true") out.flags |= 0x1000;
  return out;
}

SkinEdges ReadSkinEdges(const SkinParamReader& param) {
  SkinEdges out;
  out.top = ReadSkinInteger(param(L"top"));
  out.left = ReadSkinInteger(param(L"left"));
  out.bottom = ReadSkinInteger(param(L"bottom"));
  out.right = ReadSkinInteger(param(L"right"));
  return out;
}

}  // namespace kelvra
