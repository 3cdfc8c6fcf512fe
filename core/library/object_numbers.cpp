// Number schemes for automatic control numbers and command identifiers.
#include "core/library/object_numbers.h"

#include <windows.h>

namespace kelvra {

namespace {
// Automatic numbers count up from the bottom of the negative range: applications
// choose small positive numbers, and window handles are positive values well below
// 2^31 on every system we run on, so neither ever meets one of these. Counting
// up from INT_MIN + 0x1000 reaches -1 only after two billion calls.
volatile LONG objectCounter = static_cast<LONG>(0x80001000u) - 1;
volatile LONG commandCounter = 0xFFFF;
}  // namespace

int32_t NewObjectNumber() {
  LONG value = InterlockedIncrement(&objectCounter);
  while (value == 0 || value == -1) value = InterlockedIncrement(&objectCounter);
  return value;
}

uint32_t NextCommandID() {
  for (;;) {
    LONG seen = commandCounter;
    LONG next = (seen - 1) & 0xFFFF;
    // 0 is the failure value of every caller: the decrement that would give it
    // wraps straight on to 0xFFFF.
    if (next == 0) next = 0xFFFF;
    if (InterlockedCompareExchange(&commandCounter, next, seen) == seen) return static_cast<uint32_t>(next);
  }
}

void SetCommandIDCounter(uint16_t value) { InterlockedExchange(&commandCounter, value); }

}  // namespace kelvra
