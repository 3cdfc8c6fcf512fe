// Where text controls live: their list, the defaults for new controls and the
// helpers that keep a record's caches in step with what they follow. Every call
// expects TextControlLock to be held.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/library/control_list.h"
#include "panels/text_control/text_control_record.h"

namespace kelvra {

ControlList<TextControlExRecord>& TextControlList();
TextControlSettings& TextControlDefaults();

// The first control whose number or panel window is `key`.
TextControlExRecord* FindTextControl(intptr_t key);

// The default font, made once from the system's message font when none is set.
HFONT EnsureDefaultTextControlFont();
// Frees the default font the library made (never one a caller set) and forgets
// every default.
void ResetTextControlDefaults();

// The font a control with `font` and `antialias` draws and measures with.
std::shared_ptr<const TextControlFont> MakeTextControlFont(HFONT font, uint8_t antialias);
// The text as the control shows it now (its hot link's hot text, or plain text as
// written).
std::shared_ptr<const std::wstring> MakeDisplayText(const TextControlExRecord& record);
// Forgets the hot link and the links of a text or style that is gone; returns the
// hot link's number, or -1 when none was hot.
int32_t DropTextControlLinks(TextControlExRecord& record);

}  // namespace kelvra
