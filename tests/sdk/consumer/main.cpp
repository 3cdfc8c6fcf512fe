// Prints the version of the Kelvra.dll it was linked against.
#include <kelvra.h>

#include <cstdio>

int main() {
  std::printf("KelvraVersion %.2f\n", static_cast<double>(KelvraVersion()));
  return 0;
}
