// The scanner behind DrawFormattedText: where runs end and what each code does.
#include "core/text/formatted_text_markup.h"

#include <algorithm>
#include <limits>

namespace kelvra::markup {

namespace {

constexpr wchar_t kBackslash = L'\\';
constexpr size_t kColourDigits = 6;

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  c = LowerAscii(c);
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// Runs only ever hold backslashes in pairs (a single one ends the run).
std::wstring Unescape(std::wstring_view run) {
  std::wstring out;
  out.reserve(run.size());
  for (size_t i = 0; i < run.size(); ++i) {
    out.push_back(run[i]);
    if (run[i] == kBackslash && i + 1 < run.size() && run[i + 1] == kBackslash) ++i;
  }
  return out;
}

}  // namespace

uint32_t ParseColourDigits(std::wstring_view digits) {
  uint32_t channels[3] = {0, 0, 0};
  for (size_t pair = 0; pair < 3; ++pair) {
    const size_t at = pair * 2;
    if (at + 1 >= digits.size()) break;
    const int high = HexValue(digits[at]);
    const int low = HexValue(digits[at + 1]);
    if (high >= 0 && low >= 0) channels[pair] = static_cast<uint32_t>(high * 16 + low);
  }
  return channels[0] + channels[1] * 256u + channels[2] * 65536u;
}

bool HasLineBreakCode(std::wstring_view text) { return text.find(L"\\|") != std::wstring_view::npos; }

std::wstring StripLinkCodes(std::wstring_view source) {
  std::wstring out;
  out.reserve(source.size());
  size_t i = 0;
  while (i < source.size()) {
    if (source[i] != kBackslash || i + 1 >= source.size()) {
      out.push_back(source[i++]);
      continue;
    }
    switch (LowerAscii(source[i + 1])) {
      case kBackslash:
        out.push_back(kBackslash);
        i += 2;
        break;
      case L'u': case L'b': case L'i': case L's': case L'n':
        i += 2;
        break;
      case L'c':
        // Just the code and its digits: the text on both sides stays.
        i = std::min(source.size(), i + 2 + kColourDigits);
        break;
      default:
        out.push_back(source[i++]);
        break;
    }
  }
  return out;
}

std::vector<Step> ScanMarkup(std::wstring_view text) {
  std::vector<Step> steps;
  const size_t n = text.size();
  size_t runStart = 0;
  size_t searchFrom = 0;
  bool linkOpen = false;
  size_t linkStart = 0;

  for (;;) {
    const size_t slash = text.find(kBackslash, searchFrom);
    if (slash == std::wstring_view::npos) break;
    if (slash + 1 < n && text[slash + 1] == kBackslash) {
      // An escaped backslash is text; skipping the pair keeps a following letter
      // from being read as a code.
      searchFrom = slash + 2;
      continue;
    }

    Step step;
    step.run = Unescape(text.substr(runStart, slash - runStart));
    step.code = Code::None;
    size_t next = slash + 2;
    const wchar_t letter = slash + 1 < n ? LowerAscii(text[slash + 1]) : L'\0';
    switch (letter) {
      case L'b': step.code = Code::Bold; break;
      case L'u': step.code = Code::Underline; break;
      case L's': step.code = Code::StrikeOut; break;
      case L'i': step.code = Code::Italic; break;
      case L'n': step.code = Code::Normal; break;
      case L'|': step.code = Code::LineBreak; break;
      case L'c': {
        step.code = Code::Colour;
        // A code cut short by the end of the text reads only what is there.
        const size_t digitsAt = slash + 2;
        const size_t available = digitsAt < n ? std::min(kColourDigits, n - digitsAt) : 0;
        step.colour = ParseColourDigits(text.substr(std::min(digitsAt, n), available));
        next = std::min(n, digitsAt + kColourDigits);
        break;
      }
      case L'l':
        if (slash + 2 < n && IsDigit(text[slash + 2])) {
          size_t at = slash + 2;
          int64_t number = 0;
          while (at < n && IsDigit(text[at])) {
            number = std::min<int64_t>(number * 10 + (text[at] - L'0'), std::numeric_limits<int32_t>::max());
            ++at;
          }
          step.code = Code::LinkOpen;
          step.linkNumber = static_cast<int32_t>(number);
          next = at;
          linkOpen = true;
          linkStart = at;
        } else if (linkOpen) {
          step.code = Code::LinkClose;
          step.linkText = StripLinkCodes(text.substr(linkStart, slash - linkStart));
          step.linkBegin = linkStart;
          step.linkEnd = slash;
          linkOpen = false;
        }
        break;
      case L'\0':
        next = n;  // a lone backslash at the very end is dropped
        break;
      default:
        next = slash + 1;  // the backslash is dropped, the letter is text
        break;
    }
    steps.push_back(std::move(step));
    runStart = searchFrom = next;
  }

  Step last;
  last.run = Unescape(text.substr(runStart));
  last.code = Code::End;
  steps.push_back(std::move(last));
  return steps;
}

}  // namespace kelvra::markup
