// How many times larger than 640x480 the window is shown, each pixel a k x k square,
// from what the desktop says of its scale. Shared by the SDL and the Win32 window, so
// that both follow one rule. Pure: the caller reads the environment and the desktop.
#pragma once

// The environment variable that sets the factor by hand.
inline constexpr char kScaleVariable[] = "TABLOX_SCALE";

// The factor k (1 and up) from, in this order: `tabloxScale` (TABLOX_SCALE), `gdkScale`
// (GDK_SCALE; on Windows the monitor's DPI / 96 from 192 DPI on), and the X server's
// resources (`xResources`, as the RESOURCE_MANAGER property holds them: its Xft.dpi of
// 192 or more gives dpi / 96). A missing or malformed value passes to the next; none
// gives 1. Then k is lowered until the window
// fits `fitWidth` x `fitHeight` (not below 1; 0 means no limit).
int windowScale(const char* tabloxScale, const char* gdkScale, const char* xResources, int fitWidth,
                int fitHeight);
