// What the ring weight and the round plate screens share: the ring sketch with its
// dimension lines, and the mass of a steel disc per dm3 of radius squared times thickness.
#pragma once

// Steel at 7.87 kg/dm3 times pi: a disc of radius r and thickness t (dm) weighs
// kDiscMassFactor * t * r * r kilograms.
constexpr double kDiscMassFactor = 24.7243133;

// The outer edge (radius 100) and the hole (radius 20) about (450,250) in colour 12,
// then the extension and dimension lines of both diameters in colour 11.
void drawRingSketch();
