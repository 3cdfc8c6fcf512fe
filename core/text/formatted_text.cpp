// The formatted-text renderer: fonts and colours per run, pen position, links and
// the extent, over the runs and codes that formatted_text_markup finds.
#include "core/text/formatted_text.h"

#include <algorithm>

#include "core/text/formatted_text_markup.h"
#include "core/library/library_globals.h"
#include "core/library/thread_slot.h"
#include "core/text/text_alpha.h"
#include "core/platform/win_handles.h"
#include "core/text/text_control_link.h"

namespace kelvra {

namespace {

using Flags = FormattedTextFlags;
using markup::Code;

// Set while AlphaDrawText draws the same text again into its scratch image; per
// thread, so another thread's text is repaired meanwhile.
ThreadValue insideAlphaDrawText;
struct ReentryGuard {
  ReentryGuard() { insideAlphaDrawText.Set(1); }
  ~ReentryGuard() { insideAlphaDrawText.Set(0); }
};

UINT RunFormat(uint32_t flags) {
  UINT format;
  if (flags & Flags::OwnRunHeight)
    format = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP;
  else if ((flags & (Flags::CentreA | Flags::CentreB)) == (Flags::CentreA | Flags::CentreB))
    format = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | DT_VCENTER | DT_CENTER;
  else
    format = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | DT_VCENTER;
  if (flags & Flags::EndEllipsis) format |= DT_END_ELLIPSIS;
  if (flags & Flags::PathEllipsis) format |= DT_PATH_ELLIPSIS;
  return format;
}

SIZE MeasureText(HDC dc, std::wstring_view text) {
  RECT box{0, 0, 0, 0};
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_EXPANDTABS);
  return SIZE{box.right - box.left, box.bottom - box.top};
}

class MarkupRenderer {
 public:
  MarkupRenderer(HDC dc, RECT* rect, HFONT baseFont, uint32_t flags, std::vector<TextControlExLink>* links)
      : dc_(dc), rect_(*rect), baseFont_(baseFont), flags_(flags), links_(links),
        measureOnly_(flags & Flags::MeasureOnly), noColours_(flags & Flags::NoColours),
        stretch_(!(flags & Flags::OwnRunHeight)), format_(RunFormat(flags)) {
    LOGFONTW logFont{};
    if (GetObjectW(baseFont, sizeof(logFont), &logFont)) quality_ = logFont.lfQuality;
    baseColour_ = GetTextColor(dc);
    GetTextFaceW(dc, LF_FACESIZE, face_);
    GetTextMetricsW(dc, &metrics_);
  }

  // Returns the extent (maxX, maxY) of everything measured.
  SIZE Render(std::wstring_view text, std::wstring& collected) {
    const int padding = markup::HasLineBreakCode(text) ? Globals().settings.markupLinePadding : 0;
    for (const markup::Step& step : markup::ScanMarkup(text)) {
      const bool last = step.code == Code::End;
      const int runHeight = Run(step.run, last ? 0 : padding, collected);
      Act(step, runHeight);
    }
    // The base font goes back before the run font it may have replaced is freed.
    SelectObject(dc_, baseFont_);
    runFont_.reset();
    return SIZE{maxX_, maxY_};
  }

 private:
  // Measures, draws and accounts for one run; returns its line height.
  int Run(const std::wstring& run, int padding, std::wstring& collected) {
    // An empty run still has a height: a line break after it must move down.
    const SIZE size = MeasureText(dc_, run.empty() ? std::wstring_view(L" ") : std::wstring_view(run));
    const int width = run.empty() ? 0 : size.cx;
    const int height = size.cy;
    if (!measureOnly_) Draw(run, width, height);
    if (flags_ & Flags::CollectText) collected += run;
    const int lineHeight = height + padding;
    maxX_ = std::max(maxX_, x_ + width);
    maxY_ = std::max(maxY_, y_ + lineHeight);
    x_ += width;
    return lineHeight;
  }

  void Draw(const std::wstring& run, int width, int height) {
    RECT box{rect_.left + x_, rect_.top + y_, rect_.left + x_ + width, 0};
    box.bottom = stretch_ ? rect_.bottom : box.top + height;
    std::wstring_view shown = run;
    if (box.right > rect_.right) {
      box.right = rect_.right;
      format_ &= ~static_cast<UINT>(DT_NOCLIP);  // from here on every run is clipped
      if (run.size() == 1 && (format_ & DT_END_ELLIPSIS)) shown = L"...";
    }
    if (box.bottom > rect_.bottom) {
      box.bottom = rect_.bottom;
      format_ &= ~static_cast<UINT>(DT_NOCLIP);
    }
    if (!shown.empty()) DrawTextW(dc_, shown.data(), static_cast<int>(shown.size()), &box, format_);
  }

  void Act(const markup::Step& step, int lineHeight) {
    switch (step.code) {
      case Code::Bold:
        metrics_.tmWeight = metrics_.tmWeight != FW_BOLD ? FW_BOLD : FW_NORMAL;
        RemakeFont();
        break;
      case Code::Underline:
        metrics_.tmUnderlined = !metrics_.tmUnderlined;
        RemakeFont();
        break;
      case Code::StrikeOut:
        metrics_.tmStruckOut = !metrics_.tmStruckOut;
        RemakeFont();
        break;
      case Code::Italic:
        metrics_.tmItalic = !metrics_.tmItalic;
        RemakeFont();
        break;
      case Code::Normal:
        SelectObject(dc_, baseFont_);
        runFont_.reset();
        GetTextMetricsW(dc_, &metrics_);
        SetTextColor(dc_, baseColour_);
        break;
      case Code::Colour:
        if (!noColours_ && !measureOnly_) SetTextColor(dc_, step.colour);
        break;
      case Code::LinkOpen:
        linkOpen_ = true;
        linkNumber_ = step.linkNumber;
        linkLeft_ = rect_.left + x_;
        linkTop_ = rect_.top + y_;
        break;
      case Code::LinkClose:
        CloseLink(step.linkText);
        break;
      case Code::LineBreak:
        x_ = 0;
        y_ += lineHeight;
        break;
      case Code::None:
      case Code::End:
        break;
    }
  }

  void RemakeFont() {
    SelectObject(dc_, baseFont_);
    runFont_.reset(CreateFontW(metrics_.tmHeight, metrics_.tmAveCharWidth, 0, 0, metrics_.tmWeight,
                               metrics_.tmItalic, metrics_.tmUnderlined, metrics_.tmStruckOut,
                               metrics_.tmCharSet, 0, 0, quality_, metrics_.tmPitchAndFamily, face_));
    if (runFont_) SelectObject(dc_, runFont_.get());
  }

  void CloseLink(const std::wstring& linkText) {
    if (!linkOpen_) return;
    linkOpen_ = false;
    if (!links_) return;
    const SIZE size = MeasureText(dc_, linkText);
    links_->push_back(TextControlExLink{linkNumber_, linkLeft_, linkTop_, linkLeft_ + size.cx, linkTop_ + size.cy});
  }

  HDC dc_;
  RECT rect_;
  HFONT baseFont_;
  uint32_t flags_;
  std::vector<TextControlExLink>* links_;
  bool measureOnly_, noColours_, stretch_;
  UINT format_;
  BYTE quality_ = DEFAULT_QUALITY;
  COLORREF baseColour_ = 0;
  wchar_t face_[LF_FACESIZE] = {};
  TEXTMETRICW metrics_{};
  UniqueFont runFont_;
  int x_ = 0, y_ = 0, maxX_ = 0, maxY_ = 0;
  bool linkOpen_ = false;
  int32_t linkNumber_ = 0, linkLeft_ = 0, linkTop_ = 0;
};

}  // namespace

std::wstring DrawFormattedText(HDC dc, std::wstring_view text, RECT* rect, HFONT font, uint32_t flags) {
  return DrawFormattedText(dc, text, rect, font, flags, nullptr);
}

std::wstring DrawFormattedText(HDC dc, std::wstring_view text, RECT* rect, HFONT font, uint32_t flags,
                               std::vector<TextControlExLink>* links) {
  if (!dc || !rect) return std::wstring();
  // Links go only to a list the caller gives: there is no "current" text control.
  if (!(flags & Flags::CollectLinks)) links = nullptr;
  if (links) links->clear();
  const bool measureOnly = flags & Flags::MeasureOnly;

  HGDIOBJ previousFont = font ? SelectObject(dc, font) : nullptr;
  HFONT baseFont = font ? font : static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  SetBkMode(dc, TRANSPARENT);

  std::wstring collected;
  const bool markup = !(flags & Flags::PlainText) && text.find(L'\\') != std::wstring_view::npos;
  if (markup) {
    MarkupRenderer renderer(dc, rect, baseFont, flags, links);
    const SIZE extent = renderer.Render(text, collected);
    if (measureOnly) *rect = RECT{0, 0, extent.cx, extent.cy};
  } else {
    // One run: the whole text. Measuring keeps the caller's left and top.
    const int length = static_cast<int>(text.size());
    if (measureOnly)
      DrawTextW(dc, text.data(), length, rect, DT_CALCRECT | DT_EXPANDTABS);
    else
      DrawTextW(dc, text.data(), length, rect, RunFormat(flags));
    if (flags & Flags::CollectText) collected = text;
  }
  if (previousFont) SelectObject(dc, previousFont);

  if (!measureOnly && !insideAlphaDrawText.Get()) {
    ReentryGuard guard;
    AlphaDrawText(dc, text, rect, font, flags);
  }
  return collected;
}

}  // namespace kelvra
