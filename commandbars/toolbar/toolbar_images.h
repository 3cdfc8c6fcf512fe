// The three image lists of a toolbar: one icon per button at the button's index,
// and every button's image index equal to its own index, which is how the native
// toolbar finds what to draw.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace kelvra {

// Appends an icon; one the list refuses is taken for a bitmap, turned into an
// icon and appended again. The new index, or -1 when refused both ways.
int AppendToolBarExIcon(HIMAGELIST list, HANDLE image);
// Replaces the icon at `index` the same way. False when refused both ways.
bool ReplaceToolBarExIcon(HIMAGELIST list, int index, HANDLE image);

// Moves the list's last image, just appended from `image`, to `index`: the images
// from `index` on move up by one. False when the list refuses.
bool InsertImageListIconAt(HIMAGELIST list, HANDLE image, int index);

// Makes the image index of every button from `first` on its own index
// (I_IMAGENONE stays): after an insert or a removal moved the icons under them.
void RenumberToolBarExImages(HWND toolbar, int first);

}  // namespace kelvra
