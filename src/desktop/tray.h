#pragma once

#include <QIcon>
#include <QObject>

// The program's icon in the notification area, with the tooltip "Lullwick" and no menu.
// There is no update: a new picture is shown by removing the icon and adding it again.
class Tray : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // False when the desktop has no notification area; the icon is then never seen.
    virtual bool isAvailable() const = 0;
    virtual void AddTrayIcon(const QIcon& icon) = 0;
    // Harmless when the icon is not there.
    virtual void RemoveTrayIcon() = 0;

signals:
    // A left click, or a right-button press or release, on the icon.
    void showWindowRequested();
};
