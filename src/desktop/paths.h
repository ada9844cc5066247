#pragma once

#include <QString>

// Where the program keeps its files. Each derives from the platform's standard locations
// (on Linux the XDG folders), so tests point them at a temporary folder through the
// environment. Folders are not created here; writers create what they need.
namespace Paths {

QString settingsFile();  // the schedule and options
QString logFile();       // the event log, "LogFile.log"
QString autostartFile(); // the start-at-login entry (Linux)
QString registryStore(); // the file behind the registry library off Windows
QString instanceLock();  // held while an instance runs, beside the settings file

} // namespace Paths
