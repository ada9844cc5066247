#include "clockchange.h"
#include "win32/clockchangewindow.h"

namespace {

void onClockChange(void* context, ClockChange change)
{
    auto* watcher = static_cast<ClockChangeWatcher*>(context);
    if (change == ClockChange::Set)
        emit watcher->clockSet();
    else
        QMetaObject::invokeMethod(watcher, "onSleepChanged", Q_ARG(bool, change == ClockChange::Suspending));
}

} // namespace

ClockChangeWatcher::ClockChangeWatcher(QObject* parent) : QObject(parent)
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
