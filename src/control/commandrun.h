#pragma once

#include <QStringList>

// How a command ends: done, refused or wrong (a one-line message on standard error), or
// refused because no instance runs for it to act on.
namespace CommandStatus {
inline constexpr int Done = 0;
inline constexpr int Failed = 1;
inline constexpr int NotRunning = 2;
// Not an exit status: the program is to start as it would without arguments.
inline constexpr int StartProgram = -1;
} // namespace CommandStatus

// Runs the command the arguments give (the program's name first) and prints its output. With
// an instance running, the command is handed to it. With none, the command holds the instance
// lock while it reads the settings file, or changes it and saves it in one step; Show and
// Start leave the start to the caller. Needs a QCoreApplication, not a display.
int runCommandLine(const QStringList& arguments);
