// Holds the Wine session's desktop for as long as the session runs. Wine starts
// the desktop process for the first program that needs the desktop window, and
// that process inherits the program's standard error: were it a test, ctest would
// see its output open, and the test running, until the desktop closed (once the
// last program using it had gone, well after the test itself). Started by
// scripts/wine-session.sh with its output in the session's log; the session's
// `wineserver -k` ends it.
#include <windows.h>

#include <cstdio>

int main() {
  // Wine starts the desktop process here and returns once its window is made.
  if (!GetDesktopWindow()) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(INFINITE);
  return 0;
}
