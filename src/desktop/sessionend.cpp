#include "sessionend.h"

#include <QGuiApplication>

SessionEndWatcher::SessionEndWatcher(QObject* parent) : QObject(parent)
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &SessionEndWatcher::saveRequested);
        connect(app, &QCoreApplication::aboutToQuit, this, &SessionEndWatcher::sessionEnding);
    }
    watchTerminationSignals();
}

SessionEndWatcher::~SessionEndWatcher()
{
    unwatchTerminationSignals();
}
