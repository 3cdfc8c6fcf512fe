// ResultString: the text that text-returning exports hand back. The pointer stays
// valid until the next text-returning call on the same thread.
#pragma once

#include <string>

namespace kelvra {

const wchar_t* ReturnText(std::wstring text);
inline const wchar_t* ReturnEmptyText() { return ReturnText(std::wstring()); }

}  // namespace kelvra
