// What the ring weight and the round plate screens share: the ring sketch with its
// dimension lines, and the mass of a full steel disc.
#pragma once
#include "calculators/calculators.h"

// Pi to five decimals times the density of steel: a disc of radius r and thickness t
// (dm) weighs kDiscMassFactor * t * r * r kilograms.
constexpr double kDiscMassFactor = 3.14159 * kSteelDensity;
static_assert(kDiscMassFactor == 24.7243133);

// The mass in kg of a full disc of `radius` and `thicknessDm` (dm): the radius squared
// in single precision, then the thickness and the density factor in double, rounded to
// single once.
inline float discMass(float thicknessDm, float radius) {
    const float squared = radius * radius;
    return static_cast<float>(static_cast<double>(thicknessDm) * squared * kDiscMassFactor);
}

// The outer edge (radius 100) and the hole (radius 20) about (450,250) in colour 12,
// then the extension and dimension lines of both diameters in colour 11.
void drawRingSketch();
