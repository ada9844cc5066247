#include "scheduleentry.h"

#include <QCoreApplication>

QStringList Values::twoDigitNumbers(int from, int to)
{
    QStringList numbers;
    for (int n = from; n <= to; ++n)
        numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return numbers;
}

QString Values::displayName(const QString& value)
{
    // The values every selector offers, for the translators.
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("Values", "Enabled"),  QT_TRANSLATE_NOOP("Values", "Disabled"),
        QT_TRANSLATE_NOOP("Values", "Once"),     QT_TRANSLATE_NOOP("Values", "Daily"),
        QT_TRANSLATE_NOOP("Values", "WeekDays"), QT_TRANSLATE_NOOP("Values", "Weekly"),
        QT_TRANSLATE_NOOP("Values", "Shutdown"), QT_TRANSLATE_NOOP("Values", "Logoff"),
        QT_TRANSLATE_NOOP("Values", "Reboot"),   QT_TRANSLATE_NOOP("Values", "PowerOff"),
        QT_TRANSLATE_NOOP("Values", "Suspend"),  QT_TRANSLATE_NOOP("Values", "Hibernate"),
        QT_TRANSLATE_NOOP("Values", "Lock"),     QT_TRANSLATE_NOOP("Values", "AM"),
        QT_TRANSLATE_NOOP("Values", "PM")};
    for (const char* name : Names)
        if (value == QLatin1String(name))
            return QCoreApplication::translate("Values", name);
    return value;
}
