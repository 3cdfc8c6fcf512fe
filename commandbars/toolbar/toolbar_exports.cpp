// Exports of ToolBarEx toolbars: thin shims over commandbars/toolbar/toolbar_operations.h.
#include "kelvra.h"

#include "commandbars/toolbar/toolbar_operations.h"
#include "commandbars/toolbar/toolbar_registry.h"

namespace {

using kelvra::ToolBarExGadgetMargins;
using kelvra::ToolBarExIcons;

intptr_t Key(int value) { return static_cast<intptr_t>(value); }
int Result(intptr_t value) { return static_cast<int>(value); }

ToolBarExIcons Icons(HANDLE normal, HANDLE hot, HANDLE disabled) { return ToolBarExIcons{normal, hot, disabled}; }
ToolBarExGadgetMargins Margins(int left, int top, int right, int bottom) {
  return ToolBarExGadgetMargins{left, top, right, bottom};
}

// No exception leaves an export: a failure is the export's failure value.
template <class Call>
auto Guarded(Call&& call, decltype(call()) failure) noexcept -> decltype(call()) {
  try {
    return call();
  } catch (...) {
    return failure;
  }
}

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL CreateToolBarEx(int number, HWND parent, int imageWidth, int imageHeight, int flags) {
  return Guarded([&] { return Result(kelvra::MakeToolBarEx(number, parent, imageWidth, imageHeight,
                                                           static_cast<uint32_t>(flags))); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarButtonEx(int id, LPCWSTR text, int style) {
  return Guarded([&] { return kelvra::AddToolBarExButton(id, text, style); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarImageButtonEx(int id, LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE disabled,
                                                int style) {
  return Guarded([&] { return kelvra::AddToolBarExImageButton(id, text, Icons(normal, hot, disabled), style); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarDropdownImageButtonEx(int id, int menu, LPCWSTR text, HANDLE normal, HANDLE hot,
                                                        HANDLE disabled, int style) {
  return Guarded([&] {
    return kelvra::AddToolBarExDropdownButton(id, Key(menu), text, Icons(normal, hot, disabled), style);
  }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarSeparatorEx(void) {
  return Guarded([] { return kelvra::AddToolBarExSeparator(); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarExGadget(int id, HWND gadget, int left, int top, int right, int bottom,
                                           BYTE hotTracking) {
  return Guarded([&] { return kelvra::AddToolBarExGadget(id, gadget, Margins(left, top, right, bottom), hotTracking); },
                 0);
}

KELVRA_API int KELVRA_CALL InsertToolBarButtonEx(int toolbar, int position, int id, LPCWSTR text, int style) {
  return Guarded([&] {
    return kelvra::InsertIntoToolBarEx(Key(toolbar), position, [&] { return kelvra::AddToolBarExButton(id, text, style); });
  }, 0);
}

KELVRA_API int KELVRA_CALL InsertToolBarImageButtonEx(int toolbar, int position, int id, LPCWSTR text, HANDLE normal,
                                                      HANDLE hot, HANDLE disabled, int style) {
  return Guarded([&] {
    return kelvra::InsertIntoToolBarEx(Key(toolbar), position, [&] {
      return kelvra::AddToolBarExImageButton(id, text, Icons(normal, hot, disabled), style);
    });
  }, 0);
}

KELVRA_API int KELVRA_CALL InsertToolBarDropdownImageButtonEx(int toolbar, int position, int id, int menu,
                                                              LPCWSTR text, HANDLE normal, HANDLE hot,
                                                              HANDLE disabled, int style) {
  return Guarded([&] {
    return kelvra::InsertIntoToolBarEx(Key(toolbar), position, [&] {
      return kelvra::AddToolBarExDropdownButton(id, Key(menu), text, Icons(normal, hot, disabled), style);
    });
  }, 0);
}

KELVRA_API int KELVRA_CALL InsertToolBarExGadget(int toolbar, int position, int id, HWND gadget, int left, int top,
                                                 int right, int bottom, BYTE hotTracking) {
  return Guarded([&] {
    return kelvra::InsertIntoToolBarEx(Key(toolbar), position, [&] {
      return kelvra::AddToolBarExGadget(id, gadget, Margins(left, top, right, bottom), hotTracking);
    });
  }, 0);
}

KELVRA_API int KELVRA_CALL InsertToolBarSeparatorEx(int toolbar, int position) {
  return Guarded([&] {
    return kelvra::InsertIntoToolBarEx(Key(toolbar), position, [] { return kelvra::AddToolBarExSeparator(); });
  }, 0);
}

KELVRA_API int KELVRA_CALL ChangeToolbarExButton(int toolbar, int id, LPCWSTR text, HANDLE normal, HANDLE hot,
                                                 HANDLE disabled) {
  return Guarded([&] { return kelvra::ChangeToolBarExButton(Key(toolbar), id, text, Icons(normal, hot, disabled)); },
                 0);
}

KELVRA_API int KELVRA_CALL DisableToolbarExButton(int toolbar, int id, int disable) {
  return Guarded([&] { return kelvra::DisableToolBarExButton(Key(toolbar), id, disable != 0); }, 0);
}

KELVRA_API int KELVRA_CALL DisableToolBarExButtonFade(int toolbar) {
  return Guarded([&] { return kelvra::DisableToolBarExFade(Key(toolbar)); }, 0);
}

KELVRA_API int KELVRA_CALL HideToolBarExButton(int toolbar, int id, BYTE hide) {
  return Guarded([&] { return kelvra::HideToolBarExButton(Key(toolbar), id, hide != 0); }, 0);
}

KELVRA_API int KELVRA_CALL RemoveToolBarExButton(int toolbar, int idOrIndex, BYTE byIndex) {
  return Guarded([&] { return kelvra::RemoveToolBarExButtonAt(Key(toolbar), idOrIndex, byIndex != 0); }, 0);
}

KELVRA_API int KELVRA_CALL SelectToolbarExButton(int toolbar, int id, BYTE check) {
  return Guarded([&] { return kelvra::CheckToolBarExButton(Key(toolbar), id, check != 0); }, 0);
}

KELVRA_API int KELVRA_CALL SetToolBarExButtonWidth(int toolbar, int id, int width) {
  return Guarded([&] { return kelvra::SetToolBarExButtonWidthOf(Key(toolbar), id, width); }, 0);
}

KELVRA_API int KELVRA_CALL SetToolBarExHeight(int toolbar, int height) {
  return Guarded([&] { return kelvra::SetToolBarExHeightOf(Key(toolbar), height); }, 0);
}

KELVRA_API int KELVRA_CALL SetToolBarExStyle(int toolbar, int style) {
  return Guarded([&] { return kelvra::SetToolBarExUIStyle(Key(toolbar), static_cast<uint32_t>(style)); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarExAttachDropdownMenu(int toolbar, int id, int menu) {
  return Guarded([&] { return kelvra::AttachToolBarExDropdownMenu(Key(toolbar), id, Key(menu)); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarExToolTip(int toolbar, int id, LPCWSTR text) {
  return Guarded([&] { return kelvra::SetToolBarExToolTip(Key(toolbar), id, text); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarExToolTipDelay(int toolbar, int initial, int autoPop, int reshow) {
  return Guarded([&] { return kelvra::SetToolBarExToolTipDelay(Key(toolbar), initial, autoPop, reshow); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarExButtonWidth(int toolbar, int id) {
  return Guarded([&] { return kelvra::ToolBarExButtonWidthOf(Key(toolbar), id); }, 0);
}

KELVRA_API int KELVRA_CALL ToolBarExHeight(int toolbar) {
  return Guarded([&] { return kelvra::ToolBarExHeightOf(Key(toolbar)); }, 0);
}

KELVRA_API HWND KELVRA_CALL ToolBarExID(int number) {
  return Guarded([&]() -> HWND {
    const kelvra::ToolBarExRecord* toolbar = kelvra::FindToolBarExByNumber(number);
    return toolbar ? toolbar->Window() : nullptr;
  }, nullptr);
}

KELVRA_API HWND KELVRA_CALL ToolBarExGadgetID(int toolbar, int id) {
  return Guarded([&] { return kelvra::ToolBarExGadgetOf(Key(toolbar), id); }, static_cast<HWND>(nullptr));
}

KELVRA_API int KELVRA_CALL FreeToolBarEx(int toolbar) {
  return Guarded([&] { return kelvra::FreeToolBarExByKey(Key(toolbar)); }, 0);
}

}  // extern "C"
