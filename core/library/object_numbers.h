// Automatic numbers: NewObjectNumber for controls made with -1, NextCommandID for
// command identifiers that must fit the low word of WM_COMMAND.
#pragma once

#include <cstdint>

namespace kelvra {

int32_t NewObjectNumber();
// 0xFFFE, 0xFFFD, ... downwards; never 0, which every caller reads as failure.
uint32_t NextCommandID();
// Test hook: where the next NextCommandID starts counting down from.
void SetCommandIDCounter(uint16_t value);

constexpr uint32_t MakeLong(uint32_t low, uint32_t high) {
  return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16);
}

}  // namespace kelvra
