#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString Paths::configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// On Windows the log lies beside the executable.
QString Paths::logFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/LogFile.log");
}

// The user's own temporary folder, inside the user's profile.
QString Paths::runtimeFolder()
{
    return QDir::tempPath();
}

void Paths::ignoreRelativeFolderVariables() {}
