#include "appinfo.h"
#include "atomicfile.h"
#include "paths.h"
#include "startup.h"

#include <QCoreApplication>
#include <QFile>

const char* const StartAtLoginCaption = QT_TRANSLATE_NOOP("MainWindow", "&Load on Startup");

namespace {

// One Exec argument, always quoted, as the Desktop Entry format asks: inside the quotes ", `,
// $ and \ take a backslash; then the string-value escaping doubles every backslash and writes
// line feed, tab and carriage return as \n, \t and \r, so no character of the path can end the
// line; and % becomes %%.
QString quotedExecArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    quoted.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    quoted.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

class XdgAutostart final : public StartupRegistration {
public:
    QString SetStartupEntry() override
    {
        const QString path = Paths::autostartFile();
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
        const QString reason = writeFileAtomically(path, entry.toUtf8());
        return reason.isEmpty() ? QString() : failure(path, reason);
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
        return QCoreApplication::translate("Startup", "Unable to change the start-at-login entry '%1': %2")
            .arg(path, reason);
    }
};

} // namespace

std::unique_ptr<StartupRegistration> createStartupRegistration()
{
    return std::make_unique<XdgAutostart>();
}
