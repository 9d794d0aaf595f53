// What the two mirrored-trapezoid screens share: the sketch of the two pieces on the sheet.
#pragma once

// In colour 12, the upper piece against the left end of the sheet outline, its long side
// from y 102 down to `upperLongEnd` and its short side down to `upperShortEnd`, then the
// lower piece against the right end, its long side from y 248 up to `lowerLongEnd`.
void drawMirroredPieces(float upperLongEnd, float upperShortEnd, float lowerLongEnd);
