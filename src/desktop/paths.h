#pragma once

#include <QString>

// Where the program keeps its files. Each derives from the platform's standard locations
// (on Linux the XDG folders; a relative value of their variables is invalid and ignored), so
// tests point them at a temporary folder through the environment. Folders are not created
// here, but for the runtime folder; writers create what they need.
namespace Paths {

QString configFolder();  // the user's configuration folder
QString settingsFile();  // the schedule and options
QString logFile();       // the event log, "LogFile.log"
QString autostartFile(); // the start-at-login entry (Linux)
QString registryStore(); // the file behind the registry library off Windows
QString instanceLock();  // held while an instance runs, beside the settings file

// A folder only this user can enter, made when missing; empty when there is none. Linux:
// XDG_RUNTIME_DIR where it is the user's own with mode 0700, else a folder of the user's own
// under the temporary folder. Never the working folder.
QString runtimeFolder();
// A file in the runtime folder named from `file`'s path, the same for every path naming that
// file; empty when there is no runtime folder.
QString inRuntimeFolder(const QString& file, const QString& suffix);

// Removes the folder variables whose relative values Qt and the libraries it loads would take
// from the working folder; call before the application object is made.
void ignoreRelativeFolderVariables();

} // namespace Paths
