// The showcase program's entry point. It takes no command line and reads its
// pictures from "icons\" under the current directory.
#include <windows.h>

#include "showcase_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return showcase::ExampleMain(); }
