#pragma once

#include <QObject>
#include <memory>

class Controller;

// Makes the running instance reachable for the user's command lines and programs, and for
// nothing beyond the user's own session: on Linux the D-Bus interface on the session bus
// (io.github.lullwick.Lullwick), on Windows a named pipe only this user can open. It lasts as
// long as the returned object. Nothing, with `error` set, when it cannot be published (no
// session bus, or the name is taken); the program goes on without.
std::unique_ptr<QObject> publishController(Controller& controller, QString* error);
