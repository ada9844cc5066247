#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class Tray;

// A notification on the desktop: what it says, how urgent it is, and the actions it offers
// (a key the program knows each by, and its caption).
struct Notice {
    struct Action {
        QString key;
        QString caption;
        friend bool operator==(const Action&, const Action&) = default;
    };
    QString summary;
    QString body;
    // Critical stays until it is closed (a countdown); normal goes by itself.
    bool critical = false;
    QList<Action> actions;
};

// The program's one notification on the desktop: shown, replaced in place, closed. Where the
// desktop has no notification service, nothing shows and nothing waits for it.
class DesktopNotification : public QObject {
    Q_OBJECT

public:
    // Shows the notice, or replaces the one shown.
    virtual void show(const Notice& notice) = 0;
    virtual void close() = 0;

signals:
    // The user chose one of the notice's actions.
    void actionInvoked(const QString& key);
};

// Linux: org.freedesktop.Notifications on the session bus. Windows: a balloon of the tray
// icon for a notice that is not critical, without actions (the warning window stays above all
// others there).
std::unique_ptr<DesktopNotification> createDesktopNotification(Tray& tray);
