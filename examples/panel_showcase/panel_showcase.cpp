// The showcase program. For now it loads Kelvra.dll through its import library,
// starts and ends the library and prints its version.
#include <windows.h>

#include <cstdio>

#include "kelvra.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  StartKelvra();
  std::printf("Kelvra %.2f\n", static_cast<double>(KelvraVersion()));
  std::fflush(stdout);
  Kelvra_End();
  return 0;
}
