// The showcase program: its entry, the building of its window, its window
// callback and its end.
#pragma once

#include <windows.h>

#include "kelvra.h"

namespace showcase {

inline constexpr wchar_t kWindowTitle[] = L"Panel Example2: Advanced effects! Resize the main window!";
inline constexpr int kClientWidth = 700;
inline constexpr int kClientHeight = 500;
// How long the end waits for the star thread before ending the library anyway.
inline constexpr DWORD kStarThreadJoinMilliseconds = 5000;

// Runs the whole program; returns its exit code (0).
int ExampleMain();

// Loads the pictures into their slots (from "icons\" under the current
// directory), converts the three stars and selects them into their memory DCs.
void LoadShowcasePictures();

// Opens the window (hidden) and puts the controls on it; false when the window
// could not be opened.
bool BuildExampleWindow();

// The window's callback; every message goes on to default processing.
LRESULT CALLBACK ExampleWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Stops the star thread and waits for it, then ends the library through
// `endLibrary` (Kelvra_End; replaceable so a test can see the order), then frees
// the program's own objects.
using EndLibraryFunction = int(KELVRA_CALL*)(void);
void ExampleEnd(EndLibraryFunction endLibrary = &Kelvra_End);

}  // namespace showcase
