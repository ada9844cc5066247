#include "iconadd.h"

#include "appinfo.h"

// The icon is a child, so that tests can find it and send it activations.
IconAdd::IconAdd(QObject* parent) : Tray(parent), m_icon(this)
{
    m_icon.setToolTip(QString::fromLatin1(AppTitle));
    connect(&m_icon, &QSystemTrayIcon::activated, this, &IconAdd::onActivated);
}

bool IconAdd::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void IconAdd::AddTrayIcon(const QIcon& icon)
{
    m_icon.setIcon(icon);
    m_icon.show();
}

void IconAdd::RemoveTrayIcon()
{
    m_icon.hide();
}

void IconAdd::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // Trigger is a left click; Context is what a right-button press or release gives.
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
        emit showWindowRequested();
}
