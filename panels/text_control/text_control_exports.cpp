// Exports of TextControlEx: thin shims over the text-control operations and the
// registry's queries.
#include "kelvra.h"

#include "core/library/reentrant_lock.h"
#include "core/library/result_string.h"
#include "panels/text_control/text_control_operations.h"
#include "panels/text_control/text_control_registry.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }

// A query under TextControlLock: `answer(record)` for the control, `unknown`
// without one.
template <class Answer, class Result>
Result AskTextControl(int control, Result unknown, Answer&& answer) {
  try {
    kelvra::LockGuard lock(kelvra::Locks().textControl);
    const kelvra::TextControlExRecord* record = lock ? kelvra::FindTextControl(Key(control)) : nullptr;
    return record ? answer(*record) : unknown;
  } catch (...) {
    return unknown;
  }
}

int WindowExtent(const kelvra::TextControlExRecord& record, bool width) {
  RECT rect{};
  if (!GetWindowRect(record.Window(), &rect)) return 0;
  return width ? rect.right - rect.left : rect.bottom - rect.top;
}

template <class Call>
int Guarded(Call&& call) {
  try {
    return call();
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL TextControlEx(HWND parent, int number, int x, int y, int width, int height,
                                         LPCWSTR text, int style) {
  return Guarded([&] {
    return static_cast<int>(
        kelvra::CreateTextControl(parent, number, x, y, width, height, text, static_cast<uint32_t>(style)));
  });
}

KELVRA_API int KELVRA_CALL FreeTextControlEx(int control) {
  return Guarded([&] { return kelvra::FreeTextControl(Key(control)); });
}

KELVRA_API HWND KELVRA_CALL TextControlExID(int number) {
  try {
    kelvra::LockGuard lock(kelvra::Locks().textControl);
    const kelvra::TextControlExRecord* record = lock ? kelvra::TextControlList().FindByNumber(number) : nullptr;
    return record ? record->Window() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL TextControlExWidth(int control) {
  return AskTextControl(control, 0, [](const auto& record) { return WindowExtent(record, true); });
}

KELVRA_API int KELVRA_CALL TextControlExHeight(int control) {
  return AskTextControl(control, 0, [](const auto& record) { return WindowExtent(record, false); });
}

KELVRA_API int KELVRA_CALL GetTextControlExStyle(int control) {
  return AskTextControl(control, 0, [](const auto& record) { return static_cast<int>(record.style); });
}

KELVRA_API LPCWSTR KELVRA_CALL GetTextControlExText(int control) {
  try {
    std::wstring text;
    {
      kelvra::LockGuard lock(kelvra::Locks().textControl);
      if (const kelvra::TextControlExRecord* record = lock ? kelvra::FindTextControl(Key(control)) : nullptr)
        text = record->text;
    }
    return kelvra::ReturnText(std::move(text));
  } catch (...) {
    return kelvra::ReturnEmptyText();
  }
}

KELVRA_API int KELVRA_CALL SetTextControlExText(int control, LPCWSTR text) {
  return Guarded([&] { return kelvra::SetTextControlText(Key(control), text); });
}

KELVRA_API int KELVRA_CALL SetTextControlExDimensions(int control, int width, int height) {
  return Guarded([&] { return kelvra::SetTextControlDimensions(Key(control), width, height); });
}

KELVRA_API int KELVRA_CALL SetTextControlExPadding(int control, int left, int top, int right, int bottom) {
  return Guarded([&] { return kelvra::SetTextControlPadding(Key(control), kelvra::TextPaddings{left, top, right, bottom}); });
}

KELVRA_API int KELVRA_CALL SetTextControlExLinePadding(int control, int linePadding) {
  return Guarded([&] { return kelvra::SetTextControlLinePadding(Key(control), linePadding); });
}

KELVRA_API int KELVRA_CALL SetTextControlExColour(int control, int textColour, int backgroundColour) {
  return Guarded([&] {
    return kelvra::SetTextControlColour(Key(control), static_cast<COLORREF>(textColour),
                                        static_cast<COLORREF>(backgroundColour));
  });
}

KELVRA_API int KELVRA_CALL SetTextControlExFont(int control, HFONT font, int antialias) {
  // Only the low byte of antialias counts.
  return Guarded([&] { return kelvra::SetTextControlFont(Key(control), font, static_cast<uint8_t>(antialias)); });
}

KELVRA_API int KELVRA_CALL SetTextControlExGradient(int control, HANDLE gradient) {
  return Guarded([&] { return kelvra::SetTextControlGradient(Key(control), reinterpret_cast<intptr_t>(gradient)); });
}

KELVRA_API int KELVRA_CALL SetTextControlExStyle(int control, int style) {
  return Guarded([&] { return kelvra::SetTextControlStyle(Key(control), static_cast<uint32_t>(style)); });
}

}  // extern "C"
