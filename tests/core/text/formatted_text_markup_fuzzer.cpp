// Fuzz target of the markup scanner of formatted text and the text-control
// arithmetic over it: any text scans into steps ending in one End, every link's
// source lies inside the text and strips to the link's text, and a text box is
// placed whatever the paddings and sizes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/text/formatted_text_markup.h"
#include "panels/text_control/text_control_layout.h"
#include "tests/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvra;
  test::FuzzInput input(data, size);
  const uint32_t style = static_cast<uint32_t>(input.Int());
  const int32_t width = input.Int(), height = input.Int(), measuredWidth = input.Int(), measuredHeight = input.Int();
  const TextPaddings paddings{input.Int(), input.Int(), input.Int(), input.Int()};
  const int32_t hotIndex = input.Int();
  const std::wstring text = input.Text();

  const std::vector<markup::Step> steps = markup::ScanMarkup(text);
  if (steps.empty() || steps.back().code != markup::Code::End) std::abort();
  for (size_t i = 0; i + 1 < steps.size(); ++i)
    if (steps[i].code == markup::Code::End) std::abort();
  std::vector<TextControlExLink> links;
  for (const markup::Step& step : steps) {
    if (step.code == markup::Code::Colour && step.colour > 0xFFFFFF) std::abort();
    if (step.code != markup::Code::LinkClose) continue;
    if (step.linkBegin > step.linkEnd || step.linkEnd > text.size()) std::abort();
    const std::wstring_view source = std::wstring_view(text).substr(step.linkBegin, step.linkEnd - step.linkBegin);
    if (markup::StripLinkCodes(source) != step.linkText) std::abort();
    const int32_t at = static_cast<int32_t>(links.size());
    links.push_back(TextControlExLink{at, at, at, at + 1, at + 1});
  }
  (void)markup::HasLineBreakCode(text);
  (void)markup::ParseColourDigits(text);
  (void)TextControlDisplayText(text, hotIndex);
  (void)PlaceTextBox(style, width, height, paddings, measuredWidth, measuredHeight);
  (void)HitTestTextLinks(links, width, height);
  return 0;
}
