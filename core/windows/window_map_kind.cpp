// Classification of windows by class name, and the classes the hook leaves alone.
#include "core/windows/window_map_kind.h"

#include <array>

namespace kelvra {

WindowKind KindOfWindowClass(std::wstring_view className, std::wstring_view parentClassName, uint32_t style) {
  if (className == L"Kelvra_PanelEx") return WindowKindPanelEx;
  if (className == L"Kelvra_PanelExPage") return WindowKindPanelExPage;
  if (className == L"ToolbarWindow32") return WindowKindToolbar;
  if (className == L"ComboBox") return WindowKindComboBox;
  if (className == L"Edit") return parentClassName == L"ComboBox" ? WindowKindComboEdit : WindowKindEdit;
  if (className == L"msctls_progress32") return WindowKindProgress;
  if (className == L"Button") return (style & 7u) == 7u ? WindowKindGroupBox : WindowKindButton;  // BS_GROUPBOX
  if (className == L"DrevoContainer") return WindowKindContainer;
  if (className == L"SysTabControl32") return WindowKindTabControl;
  return WindowKindOther;
}

bool IsUnmappedWindowClass(std::wstring_view className) {
  static constexpr std::array<std::wstring_view, 14> kUnmapped = {
      L"#32768",          L"SysShadow",   L"Kelvra_DropShadow",      L"tooltips_class32", L"MSCTFIME UI",
      L"CLIPBRDWNDCLASS", L"CicMarshalWndClass", L"IME",          L"ComboLBox",        L"DDEMLEvent",
      L"Message",         L"Static",      L"GDI+ Hook Window Class", L"Kelvra_ScrollbarBox"};
  for (auto name : kUnmapped)
    if (className == name) return true;
  return false;
}

}  // namespace kelvra
