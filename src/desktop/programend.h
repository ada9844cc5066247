#pragma once

#include <functional>

// Ends the program at once: no close query, unload handler or destructor runs, so nothing
// is saved on the way out. Callers save first where that is wanted. The living
// ProgramEndActions run first. With a test hook installed the hook runs instead and the call
// returns.
void endProgram();

void setProgramEndHook(std::function<void()> hook);

// What must still happen when endProgram() ends the program while this object lives, where a
// destructor would otherwise have done it (removing the instance's lock and socket). Actions run
// in the reverse order of their making, as destructors would.
class ProgramEndAction {
public:
    explicit ProgramEndAction(std::function<void()> action);
    ~ProgramEndAction();
    ProgramEndAction(const ProgramEndAction&) = delete;
    ProgramEndAction& operator=(const ProgramEndAction&) = delete;

private:
    friend void endProgram();
    std::function<void()> m_action;
};
