#pragma once

#include "controlrequest.h"

#include <optional>

// Hands a command to the running instance of the program and returns its answer: on Linux
// through its D-Bus interface on the session bus, on Windows through its named pipe. Nothing,
// with `why` set, when no instance answers there (none runs, or it is still starting).
std::optional<ControlReply> sendToRunningInstance(const ControlRequest& request, QString* why);
