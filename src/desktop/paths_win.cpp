#include "paths.h"

#include <QCoreApplication>

// On Windows the log lies beside the executable.
QString Paths::logFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/LogFile.log");
}
