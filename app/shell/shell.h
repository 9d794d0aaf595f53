// The shell above the calculations: start-up and the menu loop, the choice and its
// dispatch, and the credits screen.
#pragma once

// Start-up, then the menu loop; leaves only through endProgram.
[[noreturn]] void runTablox();

// Reads the choice under the drawn menu and runs what it names.
void chooseAndDispatch();

// The credits screen, menu item 11; returns after its closing pause.
void runCredits();
