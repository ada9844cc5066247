#include "sessionend.h"

#include <QGuiApplication>

// Windows asks running programs through the session manager before it logs off or shuts down.
SessionEndWatcher::SessionEndWatcher(QObject* parent) : QObject(parent)
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &SessionEndWatcher::sessionEnding);
}

SessionEndWatcher::~SessionEndWatcher() = default;
