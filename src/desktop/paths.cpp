#include "paths.h"

#include "appinfo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

QString inConfig(const QString& name)
{
    return Paths::configFolder() + QLatin1Char('/') + name;
}

// The path with the links of its existing part resolved.
QString resolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty() || info.isRoot())
        return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    return QDir(resolvedPath(info.absolutePath())).filePath(info.fileName());
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

QString inRuntimeFolder(const QString& file, const QString& suffix)
{
    const QString folder = runtimeFolder();
    if (folder.isEmpty())
        return {};
    const QByteArray hash =
        QCryptographicHash::hash(resolvedPath(file).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QDir(folder).filePath(QStringLiteral("lullwick-%1%2").arg(QLatin1String(hash), suffix));
}

} // namespace Paths
