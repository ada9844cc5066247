#include "appinfo.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder an XDG variable names; a relative one is invalid and ignored, as the XDG rules say
// (Qt 6.4 would take it from the working folder).
QString xdgFolder(const char* variable, const char* inHome)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? value : QDir::homePath() + QLatin1String(inHome);
}

// A folder, not a link to one, that only this user can enter.
bool isPrivateFolder(const QString& path)
{
    struct stat info = {};
    return QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 07777) == S_IRWXU;
}

} // namespace

QString Paths::configFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}

// An installed program's folder is not writable, so the log lives in the user's data folder.
QString Paths::logFile()
{
    return xdgFolder("XDG_DATA_HOME", "/.local/share") +
           QStringLiteral("/%1/LogFile.log").arg(QLatin1String(AppTitle));
}

QString Paths::runtimeFolder()
{
    const QString given = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(given))
        return given;
    // As Qt makes one for itself; but under a name of our own, as another user may have made
    // Qt's first. One that someone else made, or that was opened up, is not used.
    const QString temporary = qEnvironmentVariable("TMPDIR");
    const QString own = (QDir::isAbsolutePath(temporary) ? temporary : QStringLiteral("/tmp")) +
                        QStringLiteral("/lullwick-%1").arg(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), S_IRWXU);
    return isPrivateFolder(own) ? own : QString();
}

void Paths::ignoreRelativeFolderVariables()
{
    // Qt 6.4 even makes a relative XDG_RUNTIME_DIR in the working folder while it starts, and its
    // own runtime folder under a relative TMPDIR.
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                                 "XDG_RUNTIME_DIR", "TMPDIR"}) {
        if (!QDir::isAbsolutePath(qEnvironmentVariable(variable)))
            qunsetenv(variable);
    }
}
