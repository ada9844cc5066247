#include "eventlog.h"

#include "desktop/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {

QLocale logLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
}

// The locale's long time form without its time zone, so that seconds are always shown.
QString timeFormat(const QLocale& locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    return locale.timeFormat(QLocale::LongFormat).replace(zone, QStringLiteral(" ")).trimmed();
}

// The locale's short date form with a four-digit year.
QString dateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// "<subject> at <time> on <date><detail>" in double quotes, ending in CR LF.
QString quotedLine(const QString& subject, const QDateTime& when, const QString& detail = {})
{
    const QLocale locale = logLocale();
    // The time is read before the date, as the line is made.
    const QString time = locale.toString(when.time(), timeFormat(locale));
    const QString date = locale.toString(when.date(), dateFormat(locale));
    return QLatin1Char('"') + subject + QLatin1String(" at ") + time + QLatin1String(" on ") + date + detail +
           QLatin1String("\"\r\n");
}

} // namespace

QString eventLogLine(const QString& eventKind, const QDateTime& when)
{
    return quotedLine(eventKind, when);
}

QString eventNoteLogLine(const QString& eventKind, const QString& what, const QDateTime& when,
                         const QString& reason)
{
    if (reason.isEmpty())
        return quotedLine(eventKind + QLatin1Char(' ') + what, when);
    // The reason stays on the line and inside its quotes.
    QString detail = reason;
    detail.replace(QLatin1Char('"'), QLatin1Char('\''));
    detail.replace(QRegularExpression(QStringLiteral("[\r\n]+")), QStringLiteral(" "));
    return quotedLine(eventKind + QLatin1Char(' ') + what, when, QLatin1String(": ") + detail);
}

QString appendToEventLog(const QString& path, const QString& line)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile log;
    const QString reason = openRegularFile(log, path, QIODevice::WriteOnly | QIODevice::Append);
    if (!reason.isEmpty())
        return reason;
    const QByteArray bytes = line.toUtf8();
    if (log.write(bytes) != bytes.size() || !log.flush())
        return log.errorString();
    return {};
}
