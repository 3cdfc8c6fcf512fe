// Per-thread copies of the result string: a second thread's call never overwrites
// text the first is still reading.
#include "core/library/result_string.h"

#include "core/library/thread_slot.h"

namespace kelvra {

const wchar_t* ReturnText(std::wstring text) {
  static ThreadSlot<std::wstring> results;
  std::wstring& result = results.Get();
  result = std::move(text);
  return result.c_str();
}

}  // namespace kelvra
