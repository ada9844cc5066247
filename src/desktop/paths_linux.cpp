#include "appinfo.h"
#include "paths.h"

#include <QStandardPaths>

// An installed program's folder is not writable, so the log lives in the user's data folder.
QString Paths::logFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/%1/LogFile.log").arg(QLatin1String(AppTitle));
}
