#pragma once

// Gives the pages of memory the program has freed back to the system. Worth a call after a
// large passing use of memory (reading the settings file), since the program then idles for
// hours with whatever it holds resident.
void returnFreeMemory();
