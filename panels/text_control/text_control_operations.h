// The text-control operations behind the TextControlEx exports, and its panel
// callback. Each takes TextControlLock itself and releases it before anything that
// calls out (panel calls, repaints, window moves); it finds its record again
// after, by number or window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace kelvra {

struct TextControlFont;
struct TextControlExRecord;
struct TextPaddings;

// The panel callback of every text control: paints on WM_PAINT, tracks the hot
// link on WM_MOUSEMOVE and WM_MOUSELEAVE, reports presses on WM_LBUTTONDOWN.
LRESULT CALLBACK TextControlExEventProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The size of a text as a control draws it (measured in the library's own memory
// DC). Called with TextControlLock held.
SIZE MeasureTextControlText(const std::wstring& text, const TextControlFont* font, int32_t linePadding,
                            uint32_t style);
// The record's automatic dimensions take its text's size (links as shown
// normally); returns the window size: each automatic dimension with its two
// paddings, each requested one as it is. Called with TextControlLock held.
SIZE MeasureTextControl(TextControlExRecord& record);
// Releases the measuring DC (the end of the library).
void ReleaseTextControlMeasuring();

// TextControlEx: the new number when -1 was given, else the panel window; 0 when
// the number is in use or the panel or its page could not be made.
intptr_t CreateTextControl(HWND parent, int32_t number, int x, int y, int width, int height,
                           const wchar_t* text, uint32_t style);
// FreeTextControlEx (-1: all): 1; 0 when the control is unknown.
int FreeTextControl(intptr_t key);

// The setters: 1, or 0 when the control is unknown. Those that take -1 for the
// control store the default for new controls instead (and repaint nothing).
int SetTextControlText(intptr_t key, const wchar_t* text);
int SetTextControlDimensions(intptr_t key, int32_t width, int32_t height);
int SetTextControlPadding(intptr_t key, const TextPaddings& paddings);
int SetTextControlLinePadding(intptr_t key, int32_t linePadding);
int SetTextControlColour(intptr_t key, COLORREF textColour, COLORREF backgroundColour);
// With -1 and font 0 only the antialias default is stored, and the result is 0.
int SetTextControlFont(intptr_t key, HFONT font, uint8_t antialias);
int SetTextControlGradient(intptr_t key, intptr_t gradient);
int SetTextControlStyle(intptr_t key, uint32_t style);

}  // namespace kelvra
