// The text-control setters. Each changes its record under TextControlLock and
// notes what must follow (page background, cursor, hot report, new size, repaint);
// that is done after the lock is released, through the panel's own number.
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "kelvra.h"
#include "panels/page/page_settings.h"
#include "panels/panel/panel_record.h"
#include "panels/panel/panel_registry.h"
#include "panels/text_control/text_control_operations.h"
#include "panels/text_control/text_control_registry.h"

namespace kelvra {

namespace {

constexpr intptr_t kDefaults = -1;

struct Followup {
  int32_t panelNumber = 0;
  bool setBackground = false;
  int32_t background = kBackgroundNone;
  int32_t droppedHot = -1;  // the number of a hot link that is gone
  bool resize = false;
  SIZE size{};
  bool refresh = true;
};

bool Automatic(const TextControlExRecord& record) {
  return record.requestedWidth == 0 || record.requestedHeight == 0;
}

// Automatic dimensions follow the text: measured again, and the window resized.
void Refit(TextControlExRecord& record, Followup& next) {
  if (!Automatic(record)) return;
  next.size = MeasureTextControl(record);
  next.resize = true;
}

void DropLinks(TextControlExRecord& record, Followup& next) {
  next.droppedHot = DropTextControlLinks(record);
}

// The page's background: the control's gradient with style 0x2000, else none.
void FollowGradient(const TextControlExRecord& record, Followup& next) {
  next.setBackground = true;
  next.background = (record.style & kTextGradientPage) && record.settings.gradient
                        ? static_cast<int32_t>(record.settings.gradient)
                        : kBackgroundNone;
}

void ResizePanel(int32_t panelNumber, SIZE size) {
  HWND window = nullptr;
  {
    LockGuard lock(Locks().panel);
    const PanelExRecord* panel = lock ? FindPanelExByNumber(panelNumber) : nullptr;
    if (!panel) return;
    window = panel->Window();
  }
  SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void Finish(const Followup& next) {
  if (next.setBackground) {
    const int32_t u = kPanelExUnchanged;
    SetPageBackground(next.panelNumber, 0, PageBackgroundRequest{next.background, u, u, u, u, u, u}, false);
  }
  if (next.droppedHot >= 0) {
    SetPageCursor(next.panelNumber, 0, 0);
    if (const HWND panel = PanelExID(next.panelNumber, -1))
      if (const HWND parent = GetParent(panel)) PostMessageW(parent, TextLinkHotMessage, static_cast<WPARAM>(-1), 0);
  }
  if (next.resize) ResizePanel(next.panelNumber, next.size);
  if (next.refresh) RefreshPanelEx(next.panelNumber);
}

// Runs `change(record, next)` on the control under TextControlLock, then what it
// asked to follow.
template <class Change>
int Update(intptr_t key, Change&& change) {
  Followup next;
  {
    LockGuard lock(Locks().textControl);
    TextControlExRecord* record = lock ? FindTextControl(key) : nullptr;
    if (!record) return 0;
    next.panelNumber = record->panelNumber;
    change(*record, next);
  }
  Finish(next);
  return 1;
}

// Stores a default for new controls.
template <class Store>
int StoreDefault(Store&& store) {
  LockGuard lock(Locks().textControl);
  if (!lock) return 0;
  store(TextControlDefaults());
  return 1;
}

}  // namespace

int SetTextControlText(intptr_t key, const wchar_t* text) {
  std::wstring content = text ? text : L"";
  return Update(key, [&](TextControlExRecord& record, Followup& next) {
    record.text = std::move(content);
    DropLinks(record, next);
    Refit(record, next);
  });
}

int SetTextControlDimensions(intptr_t key, int32_t width, int32_t height) {
  return Update(key, [&](TextControlExRecord& record, Followup& next) {
    record.requestedWidth = record.currentWidth = width;
    record.requestedHeight = record.currentHeight = height;
    next.size = SIZE{width, height};
    Refit(record, next);
    next.resize = true;
  });
}

int SetTextControlPadding(intptr_t key, const TextPaddings& paddings) {
  if (key == kDefaults) return StoreDefault([&](TextControlSettings& d) { d.paddings = paddings; });
  return Update(key, [&](TextControlExRecord& record, Followup& next) {
    record.settings.paddings = paddings;
    Refit(record, next);
  });
}

int SetTextControlLinePadding(intptr_t key, int32_t linePadding) {
  if (key == kDefaults) return StoreDefault([&](TextControlSettings& d) { d.linePadding = linePadding; });
  return Update(key, [&](TextControlExRecord& record, Followup& next) {
    record.settings.linePadding = linePadding;
    Refit(record, next);
  });
}

int SetTextControlColour(intptr_t key, COLORREF textColour, COLORREF backgroundColour) {
  auto store = [&](TextControlSettings& s) {
    s.textColour = textColour;
    s.backgroundColour = backgroundColour;
  };
  if (key == kDefaults) return StoreDefault(store);
  return Update(key, [&](TextControlExRecord& record, Followup&) { store(record.settings); });
}

int SetTextControlFont(intptr_t key, HFONT font, uint8_t antialias) {
  if (key == kDefaults) {
    LockGuard lock(Locks().textControl);
    if (!lock) return 0;
    TextControlSettings& defaults = TextControlDefaults();
    defaults.antialias = antialias;
    if (!font) return 0;
    defaults.font = font;
    return 1;
  }
  auto made = MakeTextControlFont(font, antialias);
  return Update(key, [&](TextControlExRecord& record, Followup&) {
    record.settings.font = font;
    record.settings.antialias = antialias;
    record.drawFont = std::move(made);
  });
}

int SetTextControlGradient(intptr_t key, intptr_t gradient) {
  if (key == kDefaults) return StoreDefault([&](TextControlSettings& d) { d.gradient = gradient; });
  return Update(key, [&](TextControlExRecord& record, Followup& next) {
    record.settings.gradient = gradient;
    // Only a control whose page shows its gradient changes how it looks.
    next.refresh = record.style & kTextGradientPage;
    if (next.refresh) FollowGradient(record, next);
  });
}

int SetTextControlStyle(intptr_t key, uint32_t style) {
  return Update(key, [&](TextControlExRecord& record, Followup& next) {
    record.style = style;
    DropLinks(record, next);
    FollowGradient(record, next);
  });
}

}  // namespace kelvra
