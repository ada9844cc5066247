#include "programend.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
std::function<void()> hook;
std::vector<ProgramEndAction*> actions;
} // namespace

void endProgram()
{
    if (hook) {
        hook();
        return;
    }
    for (auto action = actions.rbegin(); action != actions.rend(); ++action)
        (*action)->m_action();
    std::fflush(nullptr);
    std::_Exit(0);
}

void setProgramEndHook(std::function<void()> newHook)
{
    hook = std::move(newHook);
}

ProgramEndAction::ProgramEndAction(std::function<void()> action) : m_action(std::move(action))
{
    actions.push_back(this);
}

ProgramEndAction::~ProgramEndAction()
{
    std::erase(actions, this);
}
