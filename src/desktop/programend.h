#pragma once

#include <functional>

// Ends the program at once: no close query, unload handler or destructor runs, so nothing
// is saved on the way out. Callers save first where that is wanted. With a test hook
// installed the hook runs instead and the call returns.
void endProgram();

void setProgramEndHook(std::function<void()> hook);
