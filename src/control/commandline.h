#pragma once

#include "controlrequest.h"

#include <optional>

// Whether the arguments ask for a command rather than the program: an option of its own such
// as "--list", "--help" or "-h". Qt's own options, written with one dash ("-platform xcb",
// "-session ..."), start the program as before.
bool asksForCommand(int argc, char** argv);

// The command the arguments (the program's name first) give, or why they give none. "--help"
// and "--version" print their text and end the program here.
struct ParsedCommandLine {
    std::optional<ControlRequest> request;
    QString error;
};
ParsedCommandLine parseCommandLine(const QStringList& arguments);
