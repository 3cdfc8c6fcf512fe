// The showcase's start, its pictures and its end.
#include "showcase_program.h"

#include "premultiplied_bitmap.h"
#include "runtime/window_callback.h"
#include "showcase_state.h"
#include "stars_panel_callback.h"

namespace showcase {

int ExampleMain() {
  StartShowcase();
  if (BuildExampleWindow()) {
    ShowWindow(Showcase().window, SW_SHOW);
    RunEventLoop();
  }
  ExampleEnd();
  return 0;
}

void StartShowcase() {
  Kelvra_Init();
  StartKelvra();
  ShowcaseState& state = Showcase();
  LoadGdiAlphaBlend(state);
  LoadShowcasePictures();
  state.textFont = LoadFontEx(L"Verdana", 8, 0);
  SetTextControlExFont(-1, state.textFont, 0);
}

void LoadShowcasePictures() {
  ShowcaseState& state = Showcase();
  auto& images = state.images;
  // The logo is tinted to alpha 100 of 255; flag 4 frees the loaded original.
  images[kLogoSlot] = ImgBlend(LoadImg(L"icons\\newlogo2_256x256.png", 256, 256, 0), 100.0f, 0, 0, 0, 0, 4);
  images[kOuterBorderSlot] = LoadImg(L"icons\\quarlinbox\\downloadpanel_border.png", 0, 0, 0);
  images[kInnerBorderSlot] = LoadImg(L"icons\\border.png", 0, 0, 0);
  images[kFirstStarSlot] = LoadImg(L"icons\\star.png", 0, 0, 0);
  images[kFirstStarSlot + 1] = LoadImg(L"icons\\star2.png", 0, 0, 0);
  images[kFirstStarSlot + 2] = LoadImg(L"icons\\star3.png", 0, 0, 0);
  images[kStarFieldSlot] = LoadImg(L"icons\\stars.jpg", 0, 0, 0);

  for (size_t i = 0; i < state.stars.size(); ++i) {
    StarPicture& star = state.stars[i];
    star.bitmap.reset(ImageToPremultipliedBitmap(images[kFirstStarSlot + i]));
    star.dc.reset(CreateCompatibleDC(nullptr));
    if (star.dc && star.bitmap) SelectObject(star.dc.get(), star.bitmap.get());
  }
}

void ExampleEnd(EndLibraryFunction endLibrary) {
  ShowcaseState& state = Showcase();
  // The thread repaints through the library: it must be gone before the library
  // ends. Its repaint waits for this thread, so the join keeps answering.
  state.starThread.StopAndJoin(kStarThreadJoinMilliseconds);
  if (endLibrary) endLibrary();
  ReleaseShowcaseObjects(state);
}

}  // namespace showcase
