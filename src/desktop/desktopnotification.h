#pragma once

#include <QObject>
#include <memory>

// The desktop's notification of a countdown: shown, updated in place, closed. Where the
// desktop has no notification service, nothing shows and nothing waits for it.
class DesktopNotification : public QObject {
    Q_OBJECT

public:
    // Shows the notification, or updates the one already shown; with `abortAction` it offers
    // an "Abort" action.
    virtual void show(const QString& summary, const QString& body, bool abortAction) = 0;
    virtual void close() = 0;

signals:
    // The user chose the notification's "Abort" action.
    void abortInvoked();
};

// Linux: org.freedesktop.Notifications on the session bus. Windows: none (the warning window
// stays above all others there).
std::unique_ptr<DesktopNotification> createDesktopNotification();
