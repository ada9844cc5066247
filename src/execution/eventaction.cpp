#include "eventaction.h"

#include <QCoreApplication>

QString eventActionText(const QString& event)
{
    static const struct {
        const char *event, *words;
    } actions[] = {
        {"Shutdown", QT_TRANSLATE_NOOP("EventAction", "shut down the computer")},
        {"Logoff", QT_TRANSLATE_NOOP("EventAction", "log you off")},
        {"Reboot", QT_TRANSLATE_NOOP("EventAction", "restart the computer")},
        {"PowerOff", QT_TRANSLATE_NOOP("EventAction", "power off the computer")},
        {"Suspend", QT_TRANSLATE_NOOP("EventAction", "suspend the computer")},
        {"Hibernate", QT_TRANSLATE_NOOP("EventAction", "hibernate the computer")},
        {"Lock", QT_TRANSLATE_NOOP("EventAction", "lock the screen")},
    };
    for (const auto& action : actions)
        if (event == QLatin1String(action.event))
            return QCoreApplication::translate("EventAction", action.words);
    return QCoreApplication::translate("EventAction", "carry out \"%1\"").arg(event);
}

QString refusalInUserWords(const QString& reason)
{
    const qsizetype detail = reason.indexOf(QLatin1String(" ("));
    const QString words = detail < 0 ? reason : reason.left(detail);
    return QCoreApplication::translate("PowerActions", words.toUtf8().constData()) +
           (detail < 0 ? QString() : reason.mid(detail));
}
