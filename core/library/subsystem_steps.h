// The start and end steps that belong to other subsystems, called by Kelvra_Init
// and Kelvra_End in their fixed order. Each is defined in its owner's folder; an
// owner that is not built yet answers "nothing here" from a small stub there, and
// fills the step in when it is built, without touching the core's sequence.
#pragma once

namespace kelvra::steps {

// ---- Kelvra_Init
void InitColourTables();        // step 3: UI colour tables and the colour-name map (skin/)
void RegisterImageDecoders();   // step 4: PNG and JPEG decoders of the image runtime (core/)

// ---- Kelvra_End step 3: free every control, family by family, in this order
void FreeAllRebars();           // FreeRebar(-1)        (commandbars/)
void FreeAllToolBars();         // FreeToolBarEx(-1)    (commandbars/)
void FreeAllButtons();          // FreeButtonEx(-1)     (panels/)
void FreeAllMenus();            // FreeMenuEx(-1)       (commandbars/)
void FreeAllTextControls();     // FreeTextControlEx(-1) (panels/)
void FreeAllSplitters();        // FreeSplitterEx(-1)   (panels/)
void FreeAllPanels();           // FreePanelEx(-1)      (panels/)

// ---- Kelvra_End steps 5 and 6: give windows their own procedures back
void RestoreHostWindowProcedures();  // host windows of menus, toolbars, rebars (commandbars/)
void RestoreWindowMapProcedures();   // windows the creation hook subclassed (core/)

}  // namespace kelvra::steps
