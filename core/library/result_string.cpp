// Per-thread copies of the result string: a second thread's call never overwrites
// text the first is still reading.
#include "core/library/result_string.h"

namespace kelvra {

const wchar_t* ReturnText(std::wstring text) {
  thread_local std::wstring result;
  result = std::move(text);
  return result.c_str();
}

}  // namespace kelvra
