#include "clockchange.h"
#include "win32/clockchangewindow.h"

namespace {

void onClockChange(void* context, ClockChange change)
{
    auto* watcher = static_cast<ClockChangeWatcher*>(context);
    switch (change) {
    case ClockChange::Set:
        emit watcher->clockSet();
        break;
    case ClockChange::TimeZone:
        emit watcher->timeZoneChanged();
        break;
    case ClockChange::Suspending:
    case ClockChange::Resumed:
        QMetaObject::invokeMethod(watcher, "onSleepChanged", Q_ARG(bool, change == ClockChange::Suspending));
        break;
    }
}

} // namespace

// Windows names no zone file: the broadcasts cover every change.
ClockChangeWatcher::ClockChangeWatcher(QObject* parent, const QString& /*localTimeFile*/) : QObject(parent)
{
    if (HWND window = createClockChangeWindow(onClockChange, this))
        m_handle = reinterpret_cast<qintptr>(window);
}

ClockChangeWatcher::~ClockChangeWatcher()
{
    if (m_handle != -1)
        destroyClockChangeWindow(reinterpret_cast<HWND>(m_handle));
}

void ClockChangeWatcher::onSleepChanged(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}
