// Fuzz target of the colour-string parser: every notation on any text; a colour
// written as the readers write it (signed decimal) reads back as the same bits,
// and a value that is one colour reads as that colour.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/values/colour_string.h"
#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_value_readers.h"
#include "tests/skin/values/fuzz_colour_lookups.h"
#include "tests/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvra;
  test::FuzzInput input(data, size);
  const std::wstring text = input.Text();
  const test::FuzzColourLookups lookups;
  const int32_t colour = ColourFromString(text, lookups);
  if (ReadSkinInteger(ColourToText(colour)) != colour) std::abort();
  (void)SystemColourIndexOfName(text);
  if (SkinColourSingleTest(text, lookups)) (void)SkinPropertyColour(text, lookups);
  (void)SkinPropertyText(text, lookups);
  return 0;
}
