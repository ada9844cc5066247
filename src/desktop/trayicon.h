#pragma once

#include "tray.h"

#include <QSystemTrayIcon>

// The notification-area icon over QSystemTrayIcon (StatusNotifierItem or XEmbed on Linux,
// Shell_NotifyIcon on Windows).
class TrayIcon final : public Tray {
    Q_OBJECT

public:
    explicit TrayIcon(QObject* parent = nullptr);

    bool isAvailable() const override;
    void AddTrayIcon(const QIcon& icon) override;
    void RemoveTrayIcon() override;
    void setToolTip(const QString& text) override;
    void setMenu(QMenu* menu) override;
    void showMessage(const QString& title, const QString& text) override;

    // What an activation of the icon does; public so that tests can send each reason.
    void onActivated(QSystemTrayIcon::ActivationReason reason);

private:
    QSystemTrayIcon m_icon;
};
