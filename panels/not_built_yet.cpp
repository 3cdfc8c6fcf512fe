// The answers of panels and the controls built on them while they are not built:
// what panels/panels_seam.h (asked from outside panels/) and the panels' own
// headers (asked by panel code already here) promise as "nothing here". Building
// one means deleting it here and defining it where it belongs.
#include "panels/panels_seam.h"

