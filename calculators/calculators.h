// The nine calculations of the menu. Each runs its screens from the top and returns
// after its closing pause; a refusal or the answer 2 restarts it from its first screen.
#pragma once
#include <array>

void runTrapezoidLayout(); // 1: right-angled trapezoid strip layout
void runStripCount();      // 2: strip count for one width
void runStripPlan();       // 3: strip and sheet plan with weight
void runSheetWeight();     // 4: sheet weight
void runEqualTrapezoids(); // 5: two equal mirrored trapezoids
void runTwoTrapezoids();   // 6: two different mirrored trapezoids
void runRingWeight();      // 7: ring weight
void runPlateDiameter();   // 8: round plate diameter from mass
void runOctagonSide();     // 9: octagonal plate side from mass

// The arithmetic of each calculation, apart from its screens.

// The density of steel in t/m3, which is the same number in kg/dm3.
constexpr double kSteelDensity = 7.87;

// Weight in tonnes of `count` steel sheets; dimensions in mm.
float sheetWeight(float sheetLength, float sheetWidth, float thickness, float count);

// Strips of sheet width `B1` needed for `count` pieces of width `B`, laid side by side:
// each piece is added to the running width of the current strip in single precision,
// and one that no longer fits starts a new strip. The pieces are the whole numbers from
// 1 up to `count`; the strips are a single-precision counter that stops at 16777216.
float stripCount(float B, float count, float B1);

// The greatest whole number not greater than `value`; infinities and NaN pass through.
float floorSingle(float value);

// Everything the strip and sheet plan works out, in the order it works it out.
struct StripPlan {
    float fitA = 0;         // whole pieces along the sheet length
    float fitB = 0;         // whole pieces across the sheet width
    float restLength = 0;   // sheet length left beyond fitA pieces
    float restUsed = 0;     // 1 when the rest holds turned pieces
    float restAcross = 0;   // turned pieces across the rest length
    float restAlong = 0;    // turned pieces along the sheet width
    float restPieces = 0;   // pieces from the rest
    float perSheet = 0;     // pieces from one sheet
    float sheets = 0;       // sheets needed, with fraction
    float sheetsShown = 0;  // sheets rounded down to one decimal
    float stripsAlong = 0;  // strips A1 long and B wide
    float stripsAcross = 0; // strips B1 long and A wide
    float weightRaw = 0;    // tonnes
    float weightShown = 0;  // rounded down to a quarter tonne
    float wasteRaw = 0;     // percent
    float wastePercent = 0; // rounded down to a whole percent
    float wholeSheets = 0;
    float lastSheetRaw = 0;     // use of the last sheet in percent
    float lastSheetPercent = 0; // rounded down to a whole percent
};

// Pieces `A` x `B` (mm), `count` of them, on sheets `A1` x `B1` of `thickness` mm.
StripPlan stripPlan(float A, float B, float count, float A1, float B1, float thickness);

// Menu item 7: a disc with a central hole. Radii and thickness in dm, masses in kg.
struct RingWeight {
    float outerRadius = 0;
    float innerRadius = 0;
    float thicknessDm = 0;
    float outerMass = 0; // the full disc of the outer diameter
    float innerMass = 0; // the full disc of the hole
    float ringMass = 0;  // the result
};
// Diameters and thickness in mm, as typed.
RingWeight ringWeight(float outerDiameter, float innerDiameter, float thickness);

// Menu item 8: the outer diameter of a disc with a hole that has a given mass.
struct PlateDiameter {
    float thicknessDm = 0;
    float innerRadius = 0;   // dm
    float innerMass = 0;     // kg, the full disc of the hole
    float totalMass = 0;     // kg, the full disc without the hole
    float outerDiameter = 0; // mm, the result
};
// Mass in kg; hole diameter and thickness in mm, as typed.
PlateDiameter plateDiameter(float plateMass, float innerDiameter, float thickness);

// Menu item 9: a regular octagonal plate of a given mass.
struct OctagonSide {
    float massTonnes = 0;
    float thicknessMetres = 0;
    float sideSquared = 0; // m2
    float sideLength = 0;  // mm, a result
    float cornerLeg = 0;   // mm, leg of each cut corner, a result
    float totalWidth = 0;  // mm, width across flats, a result
};
// Mass in kg and thickness in mm, as typed.
OctagonSide octagonSide(float plateMass, float thickness);

// Right-angled trapezoids cut alternately turned from a strip (menu item 1). Every mark is
// a running single-precision sum, added in the order the listing is printed.
struct StripLayout {
    float extendedHeight; // W: the slanted edge's line carried on to the tall side
    float saving;         // S: percent of strip length saved per pair against two lengths C
    // The marks of the 21 cuts along the left and the right edge of the strip: index 0 is
    // the first slanted cut, odd indices are square cuts, even ones slanted cuts.
    std::array<float, 21> leftMarks;
    std::array<float, 21> rightMarks;
};
// `run` is the horizontal run A of the slanted edge, `tallSide` C, `bottom` D, `shortSide` E.
StripLayout stripLayout(float run, float tallSide, float bottom, float shortSide);

// Two equal right-angled trapezoids laid mirror-wise across a sheet (menu item 5).
struct EqualPairFit {
    float neededWidth; // the width the interlocked pair needs, the same all along the overlap
    float reserve;     // sheet width minus the needed width; negative is a shortfall
    bool fits;         // the needed width is at most the sheet width (false for NaN)
};
EqualPairFit equalTrapezoidsFit(float sheetLength, float sheetWidth, float pieceLength,
                                float shortSide, float longSide);

// Two different right-angled trapezoids laid mirror-wise across a sheet (menu item 6):
// the lower piece 1 against the right end, the upper piece 2 against the left end.
struct TrapezoidPiece {
    float length;
    float shortSide;
    float longSide;
};
struct MirroredPairFit {
    float widthAtB2;   // B2 plus the lower piece's slanted edge at the line of B2
    float widthAtB1;   // B1 plus the upper piece's slanted edge at the line of B1
    float reserveAtB2; // sheet width minus widthAtB2
    float reserveAtB1; // sheet width minus widthAtB1
    bool b2Intrudes;   // widthAtB2 exceeds the sheet width, or is NaN
    bool b1Intrudes;   // widthAtB1 likewise
};
MirroredPairFit twoTrapezoidsFit(float sheetLength, float sheetWidth, TrapezoidPiece lower,
                                 TrapezoidPiece upper);
