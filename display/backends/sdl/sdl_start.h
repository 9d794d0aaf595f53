// SDL's video, set up for the program's windows on the thread that makes them, and shut
// down after the last one has gone.
#pragma once
#include <string>

// False, with `why`, where SDL finds no desktop display to show a window on.
bool startSdl(std::string& why);
void stopSdl();
