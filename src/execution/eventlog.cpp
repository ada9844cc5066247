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

// The locale's long time form, so that seconds are always shown, without its time zone ("t")
// and what sets the zone off: the brackets around it ("H:mm:ss (t)", "h:mm:ss [t]"), a comma
// before it ("HH:mm:ss, t"), the blanks before it or, at the start ("t HH:mm:ss"), after it.
// Quoted text stays as it is ("HH.mm:ss 'h' t").
QString timeFormat(const QLocale& locale)
{
    static const QString zone = QStringLiteral(R"((?:\(t+\)|\[t+\]|t+))");
    static const QRegularExpression quoteOrZone(
        QStringLiteral(R"('(?:[^']|'')*'?|^%1\s*|[\s,]*%1)").arg(zone),
        QRegularExpression::UseUnicodePropertiesOption);
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    qsizetype from = 0;
    for (auto parts = quoteOrZone.globalMatch(format); parts.hasNext();) {
        const QRegularExpressionMatch part = parts.next();
        if (part.captured().startsWith(QLatin1Char('\'')))
            continue;
        kept += format.sliced(from, part.capturedStart() - from);
        from = part.capturedEnd();
    }
    return kept + format.sliced(from);
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
