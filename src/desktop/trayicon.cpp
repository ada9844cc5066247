#include "trayicon.h"

#include "appinfo.h"

// The icon is a child, so that tests can find it and send it activations.
TrayIcon::TrayIcon(QObject* parent) : Tray(parent), m_icon(this)
{
    m_icon.setToolTip(QString::fromLatin1(AppTitle));
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
}

bool TrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::AddTrayIcon(const QIcon& icon)
{
    m_icon.setIcon(icon);
    m_icon.show();
}

void TrayIcon::RemoveTrayIcon()
{
    m_icon.hide();
}

void TrayIcon::setToolTip(const QString& text)
{
    m_icon.setToolTip(text);
}

void TrayIcon::setMenu(QMenu* menu)
{
    m_icon.setContextMenu(menu);
}

void TrayIcon::showMessage(const QString& title, const QString& text)
{
    m_icon.showMessage(title, text, QSystemTrayIcon::Information);
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // Trigger is a left click; a right click opens the menu.
    if (reason == QSystemTrayIcon::Trigger)
        emit showWindowRequested();
}
