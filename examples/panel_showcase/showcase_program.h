// The showcase program: its entry, the building of its window, its window
// callback and its end.
#pragma once

#include <windows.h>

#include <cstdint>

#include "kelvra.h"

namespace showcase {

inline constexpr wchar_t kWindowTitle[] = L"Panel Example2: Advanced effects! Resize the main window!";
inline constexpr int kClientWidth = 700;
inline constexpr int kClientHeight = 500;
// How long the end waits for the star thread before ending the library anyway.
inline constexpr DWORD kStarThreadJoinMilliseconds = 5000;

// Runs the whole program; returns its exit code (0).
int ExampleMain();

// What the program does before it builds its window: starts the library, takes
// GdiAlphaBlend, loads the pictures and makes Verdana 8 the default font of new
// text controls.
void StartShowcase();

// Loads the pictures into their slots (from "icons\" under the current
// directory), converts the three stars and selects them into their memory DCs.
void LoadShowcasePictures();

enum class StarThreadStart { Now, Later };

// Opens the window (hidden), puts the panels, the label and the button on it,
// sets its callback and, unless held back, starts the star thread; false when
// the window could not be opened.
bool BuildExampleWindow(StarThreadStart start = StarThreadStart::Now);

// Starts the star thread over panel 0 with a seed for its random numbers; false
// when it runs already or could not be started.
bool StartStarAnimation(uint32_t seed);

// The window's callback: on WM_SIZE panel 0 is fitted to the new client area.
// Every message then goes on to default processing.
LRESULT CALLBACK ExampleWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Stops the star thread and waits for it, then ends the library through
// `endLibrary` (Kelvra_End; replaceable so a test can see the order), then frees
// the program's own objects.
using EndLibraryFunction = int(KELVRA_CALL*)(void);
void ExampleEnd(EndLibraryFunction endLibrary = &Kelvra_End);

}  // namespace showcase
