// The button list and its index by page window.
#include "panels/button/button_registry.h"

#include <unordered_map>

namespace kelvra {

namespace {

std::unordered_map<HWND, ButtonExRecord*>& PageIndex() {
  static std::unordered_map<HWND, ButtonExRecord*> index;
  return index;
}

}  // namespace

ControlList<ButtonExRecord>& ButtonExList() {
  static ControlList<ButtonExRecord> list;
  return list;
}

ButtonExFamilyState& ButtonExFamily() {
  static ButtonExFamilyState state;
  return state;
}

ButtonExRecord* FindButtonEx(intptr_t key) { return ButtonExList().Find(key); }

ButtonExRecord* FindButtonExByNumber(int32_t number) { return ButtonExList().FindByNumber(number); }

ButtonExRecord* FindButtonExByPage(HWND page) {
  if (!page) return nullptr;
  const auto& index = PageIndex();
  auto it = index.find(page);
  return it == index.end() ? nullptr : it->second;
}

ButtonExRecord* EnterButtonEx(std::unique_ptr<ButtonExRecord> button) {
  const HWND page = button ? button->page : nullptr;
  ButtonExRecord* entered = ButtonExList().Append(std::move(button));
  if (entered && page) PageIndex()[page] = entered;
  return entered;
}

void DeleteButtonEx(ButtonExRecord* button) {
  if (!button || !ButtonExList().Contains(button)) return;
  auto& index = PageIndex();
  auto it = index.find(button->page);
  if (it != index.end() && it->second == button) index.erase(it);
  ButtonExList().Remove(button);
}

}  // namespace kelvra
