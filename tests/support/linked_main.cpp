// Test main of programs that link the library statically: like any such program,
// it calls Kelvra_Init first and Kelvra_End last.
#include <gtest/gtest.h>

#include "kelvra.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  Kelvra_Init();
  int result = RUN_ALL_TESTS();
  Kelvra_End();
  return result;
}
