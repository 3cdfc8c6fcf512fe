// Until text controls exist there is no current one: nothing to empty or fill.
#include "panels/text_control_links.h"

namespace kelvra {

void ClearCurrentTextControlLinks() {}
void AppendCurrentTextControlLink(const TextControlExLink&) {}

}  // namespace kelvra
