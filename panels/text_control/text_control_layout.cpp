// Text-control arithmetic: display text, text box and link hit-testing.
#include "panels/text_control/text_control_layout.h"

#include <algorithm>

#include "core/text/formatted_text_markup.h"

namespace kelvra {

namespace {

// Where the shown-normally part of a link's source text ends and its hot part
// begins: the first "|" that is not the letter of a code.
size_t FindHotSeparator(std::wstring_view source) {
  for (size_t i = 0; i < source.size(); ++i) {
    if (source[i] == L'\\') {
      ++i;  // the code letter, or the second backslash of "\\"
      continue;
    }
    if (source[i] == L'|') return i;
  }
  return std::wstring_view::npos;
}

}  // namespace

std::wstring TextControlDisplayText(std::wstring_view text, int32_t hotIndex) {
  std::wstring shown;
  shown.reserve(text.size());
  size_t copied = 0;
  int32_t index = 0;
  for (const markup::Step& step : markup::ScanMarkup(text)) {
    if (step.code != markup::Code::LinkClose) continue;
    const std::wstring_view source = text.substr(step.linkBegin, step.linkEnd - step.linkBegin);
    const size_t separator = FindHotSeparator(source);
    if (separator != std::wstring_view::npos) {
      shown.append(text.substr(copied, step.linkBegin - copied));
      shown.append(index == hotIndex ? source.substr(separator + 1) : source.substr(0, separator));
      copied = step.linkEnd;
    }
    ++index;
  }
  shown.append(text.substr(copied));
  return shown;
}

TextBox PlaceTextBox(uint32_t style, int32_t width, int32_t height, const TextPaddings& pad, int32_t mw,
                     int32_t mh) {
  // 64-bit sums: paddings and sizes are the caller's numbers.
  const int64_t innerWidth = int64_t{width} - pad.left - pad.right;
  const int64_t innerHeight = int64_t{height} - pad.top - pad.bottom;
  int64_t left = 0, right = width;
  if (style & kTextCentreX) {
    left = pad.left + innerWidth / 2 - mw / 2;
    right = left + mw;
  } else if (style & kTextAlignRight) {
    left = int64_t{width} - pad.right - mw;
  }
  int64_t top = (style & kTextCentreY) ? pad.top + innerHeight / 2 - mh / 2 : 0;
  left = std::max<int64_t>(left, pad.left);
  right = std::min<int64_t>(right, int64_t{width} - pad.right);
  top = std::max<int64_t>(top, pad.top);
  // The block keeps its whole height below a top padding; only the bottom
  // padding cuts it.
  const int64_t bottom = std::min<int64_t>(top + mh, int64_t{height} - pad.bottom);
  auto clamp32 = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  return TextBox{clamp32(left), clamp32(top), clamp32(right), clamp32(bottom)};
}

int32_t HitTestTextLinks(const std::vector<TextControlExLink>& links, int32_t x, int32_t y) {
  for (size_t i = links.size(); i-- > 0;) {
    const TextControlExLink& link = links[i];
    if (x >= link.left && x <= link.right && y >= link.top && y <= link.bottom) return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace kelvra
