// Creating and freeing text controls, and the end of the library's step for them.
// Each control is a panel with one image page whose callback is the control's.
#include <utility>
#include <vector>

#include "core/library/object_numbers.h"
#include "core/library/reentrant_lock.h"
#include "panels/panel/family_panel.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_record.h"
#include "panels/panels_seam.h"
#include "panels/text_control/text_control_operations.h"
#include "panels/text_control/text_control_registry.h"

namespace kelvra {

namespace {

int32_t FreshTextControlNumber() {
  int32_t number = NewObjectNumber();
  while (TextControlList().FindByNumber(number)) number = NewObjectNumber();
  return number;
}

// The control's panel and page. The page covers the panel, which has nothing to
// paint of its own: its update region from being shown is dropped now, so that
// the next paint goes straight to the page (a panel's WM_PAINT would only validate
// it, at the cost of a message through every hook on the thread).
FamilyPanel MakeTextControlPanel(HWND parent, int x, int y, SIZE size, int32_t background) {
  const FamilyPanel panel =
      MakeFamilyPanel(parent, x, y, size.cx, size.cy, TextControlExEventProc, background);
  if (panel.window)
    RedrawWindow(panel.window, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOERASE | RDW_NOFRAME);
  return panel;
}

}  // namespace

intptr_t CreateTextControl(HWND parent, int32_t number, int x, int y, int width, int height, const wchar_t* text,
                           uint32_t style) {
  auto record = std::make_unique<TextControlExRecord>();
  SIZE size{width, height};
  int32_t background = kBackgroundNone;
  const bool numberChosen = number == -1;
  {
    LockGuard lock(Locks().textControl);
    if (!lock) return 0;
    if (numberChosen)
      number = FreshTextControlNumber();
    else if (TextControlList().FindByNumber(number))
      return 0;
    EnsureDefaultTextControlFont();
    record->number = number;
    record->text = text ? text : L"";
    record->requestedWidth = record->currentWidth = width;
    record->requestedHeight = record->currentHeight = height;
    record->style = style;
    record->settings = TextControlDefaults();
    record->drawFont = MakeTextControlFont(record->settings.font, record->settings.antialias);
    if (width == 0 || height == 0) size = MeasureTextControl(*record);
    if ((style & kTextGradientPage) && record->settings.gradient)
      background = static_cast<int32_t>(record->settings.gradient);
  }

  const FamilyPanel panel = MakeTextControlPanel(parent, x, y, size, background);
  if (!panel.window) return 0;
  LockGuard lock(Locks().textControl);
  // The number may have been taken while the panel was being made (a window
  // procedure making controls of its own).
  if (!lock || TextControlList().FindByNumber(number)) {
    lock.Unlock();
    FreePanel(panel.number);
    return 0;
  }
  record->window = panel.window;
  record->panelNumber = panel.number;
  TextControlList().Append(std::move(record));
  return numberChosen ? number : reinterpret_cast<intptr_t>(panel.window);
}

int FreeTextControl(intptr_t key) {
  std::vector<std::unique_ptr<TextControlExRecord>> freed;
  {
    LockGuard lock(Locks().textControl);
    if (!lock) return 0;
    ControlList<TextControlExRecord>& list = TextControlList();
    if (key == -1) {
      while (TextControlExRecord* first = list.First()) freed.push_back(list.Take(first));
    } else {
      TextControlExRecord* record = FindTextControl(key);
      if (!record) return 0;
      freed.push_back(list.Take(record));
    }
  }
  // The records are gone first: whatever the panel's destruction sends its
  // callback finds no control.
  for (const auto& record : freed) FreePanel(record->panelNumber);
  return 1;
}

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllTextControls() {
  FreeTextControl(-1);
  LockGuard lock(Locks().textControl);
  ResetTextControlDefaults();
  ReleaseTextControlMeasuring();
}

}  // namespace kelvra::steps
