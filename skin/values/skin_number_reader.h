// The number readers of skin values. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvra {

// The value of a digit in `base` (2, 10 or 16; hexadecimal letters in either
// case); -1 for any other character.
int SkinDigitValue(wchar_t c, unsigned base);

// Leading blanks, an optional sign, then decimal digits, or "$" and hexadecimal
// digits, or "%" and binary digits; reading stops at the first other character.
// The prefixes count only before the digits ("50%" reads 50). Empty or
// non-numeric text reads 0; values wrap at 32 bits, so the decimal text of any
// 32-bit colour, signed or not, reads back as the same bits.
int32_t ReadSkinInteger(std::wstring_view text);

// Leading blanks, then a decimal number with an optional sign, fraction and
// exponent ("0.5", "-.25", "1e-2"), read the same whatever the C locale says.
// Reading stops at the first other character; no number reads 0.
float ReadSkinFloat(std::wstring_view text);
double ReadSkinDouble(std::wstring_view text);

}  // namespace kelvra
