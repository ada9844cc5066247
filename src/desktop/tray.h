#pragma once

#include <QIcon>
#include <QObject>

class QMenu;

// The program's icon in the notification area, with a tooltip and a menu. There is no update
// of the picture: a new one is shown by removing the icon and adding it again.
class Tray : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // False when the desktop has no notification area; the icon is then never seen.
    virtual bool isAvailable() const = 0;
    virtual void AddTrayIcon(const QIcon& icon) = 0;
    // Harmless when the icon is not there.
    virtual void RemoveTrayIcon() = 0;
    // Kept while the icon is removed and added again.
    virtual void setToolTip(const QString& text) = 0;
    // The menu a right click opens; the caller keeps ownership.
    virtual void setMenu(QMenu* menu) = 0;
    // A message beside the icon, where the desktop shows one.
    virtual void showMessage(const QString& title, const QString& text) = 0;

signals:
    // A left click on the icon.
    void showWindowRequested();
};
