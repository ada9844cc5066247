#include "appinfo.h"
#include "paths.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const char* const StartAtLoginCaption = QT_TRANSLATE_NOOP("MainWindow", "&Load on Startup");

namespace {

// One Exec argument, always quoted, as the Desktop Entry specification asks: inside the
// quotes ", `, $ and \ take a backslash, then the string-value escaping doubles every
// backslash, and % becomes %%.
QString quotedExecArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

class XdgAutostart final : public StartupRegistration {
public:
    QString SetStartupEntry() override
    {
        const QString path = Paths::autostartFile();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return failure(path, file.errorString());
        const QString entry =
            QStringLiteral("[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=%1\n"
                           "Comment=Shut down or restart the computer on schedule\n"
                           "Exec=%2\n"
                           "Icon=lullwick\n"
                           "Terminal=false\n"
                           "X-GNOME-Autostart-enabled=true\n")
                .arg(QLatin1String(AppTitle), quotedExecArgument(QCoreApplication::applicationFilePath()));
        file.write(entry.toUtf8());
        if (!file.commit())
            return failure(path, file.errorString());
        return {};
    }

    QString ClearStartupEntry() override
    {
        QFile file(Paths::autostartFile());
        if (!file.exists() || file.remove())
            return {};
        return failure(file.fileName(), file.errorString());
    }

private:
    static QString failure(const QString& path, const QString& reason)
    {
        return QStringLiteral("Unable to change the start-at-login entry '%1': %2").arg(path, reason);
    }
};

} // namespace

std::unique_ptr<StartupRegistration> createStartupRegistration()
{
    return std::make_unique<XdgAutostart>();
}
