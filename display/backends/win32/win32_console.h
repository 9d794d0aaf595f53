// The console window that Windows gives a console program such as TABLOX.
#pragma once

// Fills the visible rows of the console window with blanks in the console's current
// colours, over the whole width of its buffer, and puts the cursor in column 1 of the
// first visible row. Does nothing where the program has no console.
void clearWin32Console();
