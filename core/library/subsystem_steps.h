// The start and end steps of Kelvra_Init and Kelvra_End that belong to others,
// in their fixed order. The core's own two are declared here; those of later
// subsystems are declared in each one's seam header, with what they do while
// their owner is not built.
//
//   Kelvra_Init  step 3  InitColourTables                 skin/skin_seam.h
//                step 4  RegisterImageDecoders            core (image/image_decoder_steps.cpp)
//                step 7  InitCommandBarSettings           commandbars/commandbars_seam.h
//   Kelvra_End   step 3  FreeAllRebars, FreeAllToolBars   commandbars/commandbars_seam.h
//                        FreeAllExplorerBars, FreeAllButtons
//                                                         panels/panels_seam.h
//                        FreeAllMenus                     commandbars/commandbars_seam.h
//                        FreeAllTextControls, FreeAllSplitters, FreeAllPanels
//                                                         panels/panels_seam.h
//                step 4  RemoveMenuHooks                  commandbars/commandbars_seam.h
//                step 5  RestoreHostWindowProcedures      commandbars/commandbars_seam.h
//                step 6  RestoreWindowMapProcedures       core (windows/window_map_steps.cpp)
//                step 7  (after it) FreeCommandBarFonts   commandbars/commandbars_seam.h
#pragma once

#include "commandbars/commandbars_seam.h"
#include "panels/panels_seam.h"
#include "skin/skin_seam.h"

namespace kelvra::steps {

void RegisterImageDecoders();       // PNG and JPEG decoders of the image runtime
void RestoreWindowMapProcedures();  // windows the creation hook subclassed

}  // namespace kelvra::steps
