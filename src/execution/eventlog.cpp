#include "eventlog.h"

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

} // namespace

QString eventLogLine(const QString& eventKind, const QDateTime& when)
{
    const QLocale locale = logLocale();
    // The time is read before the date, as the line is made.
    const QString time = locale.toString(when.time(), timeFormat(locale));
    const QString date = locale.toString(when.date(), dateFormat(locale));
    return QLatin1Char('"') + eventKind + QLatin1String(" at ") + time + QLatin1String(" on ") + date +
           QLatin1String("\"\r\n");
}

QString appendToEventLog(const QString& path, const QString& line)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return log.errorString();
    const QByteArray bytes = line.toUtf8();
    if (log.write(bytes) != bytes.size() || !log.flush())
        return log.errorString();
    return {};
}
