// Simple stand-ins for display operations that are not built yet. This file goes
// away when the real ones land.
#include "display/display.h"

void drawLine(float, float, float, float) {}
void drawBox(float, float, float, float) {}
void drawCircle(float, float, float, int) {}
