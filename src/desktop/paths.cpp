#include "paths.h"

#include "appinfo.h"

#include <QStandardPaths>

namespace {

QString inConfig(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name;
}

} // namespace

namespace Paths {

QString settingsFile()
{
    return inConfig(QStringLiteral("%1/%1.ini").arg(QLatin1String(AppTitle)));
}

QString autostartFile()
{
    return inConfig(QStringLiteral("autostart/%1.desktop").arg(QLatin1String(AppTitle)));
}

QString registryStore()
{
    return inConfig(QStringLiteral("%1/registry.ini").arg(QLatin1String(AppTitle)));
}

QString instanceLock()
{
    // Beside the settings file, so that it guards the store whatever runtime folder each
    // instance was given (another login, su, a sandbox).
    return inConfig(QStringLiteral("%1/%1.lock").arg(QLatin1String(AppTitle)));
}

} // namespace Paths
