#include "controlrequest.h"

#include <algorithm>

namespace {

using enum Command;
using enum WithoutInstance;

const CommandInfo Infos[] = {
    {List, "List", "list", nullptr, ReadsStore},
    {Next, "Next", "next", nullptr, ReadsStore},
    {Add, "Add", "add", "ENTRY", ChangesStore},
    {AddIn, "AddIn", "in", "MINUTES", ChangesStore},
    {Delete, "Delete", "delete", "N", ChangesStore},
    {Enable, "Enable", "enable", "N", ChangesStore},
    {Disable, "Disable", "disable", "N", ChangesStore},
    {Postpone, "Postpone", "postpone", "MINUTES", NeedsInstance},
    {SkipNext, "SkipNext", "skip-next", nullptr, NeedsInstance},
    {Start, "Start", "start", nullptr, StartsProgram},
    {Stop, "Stop", "stop", nullptr, NeedsInstance},
    {Show, "Show", "show", nullptr, StartsProgram},
    {Quit, "Quit", "quit", nullptr, NeedsInstance},
};

} // namespace

std::span<const CommandInfo> commandInfos()
{
    return Infos;
}

const CommandInfo& infoOf(Command command)
{
    return *std::find_if(std::begin(Infos), std::end(Infos),
                         [command](const CommandInfo& info) { return info.command == command; });
}
