// WindowKind: the class code the creation hook gives each registered window, and
// the classes it leaves alone. Pure: class names in, codes out.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvra {

enum WindowKind : int32_t {
  WindowKindOther = 0,
  WindowKindPanelEx = 1,
  WindowKindPanelExPage = 2,
  WindowKindToolbar = 5,
  WindowKindComboBox = 6,
  WindowKindComboEdit = 7,  // "Edit" inside a "ComboBox"
  WindowKindProgress = 8,
  WindowKindButton = 9,
  WindowKindContainer = 10,
  WindowKindTabControl = 11,
  WindowKindGroupBox = 12,
  WindowKindEdit = 13,  // any other "Edit"
};

// Class names compare exactly, case included, in this order of tests.
WindowKind KindOfWindowClass(std::wstring_view className, std::wstring_view parentClassName, uint32_t style);

// True for the system and library classes whose windows are never registered
// (menus, shadows, tool tips, IME and clipboard helpers, "Static", ...).
bool IsUnmappedWindowClass(std::wstring_view className);

}  // namespace kelvra
