#pragma once

#include <QObject>

// Tells when the wall clock jumps while timers wait on the time that passes: the system time
// was set (by the user, or by time synchronisation stepping it), or the computer woke from
// sleep. Linux: a timerfd that the kernel cancels when the clock is set, and logind's
// PrepareForSleep(false) on the system bus; Windows: WM_TIMECHANGE and WM_POWERBROADCAST.
class ClockChangeWatcher : public QObject {
    Q_OBJECT

public:
    explicit ClockChangeWatcher(QObject* parent = nullptr);
    ~ClockChangeWatcher() override;

signals:
    void clockSet();
    void resumed();

private slots:
    // What logind and Windows say around a sleep: true before it, false after waking.
    void onSleepChanged(bool sleeping);

private:
    qintptr m_handle = -1; // the timerfd on Linux, the hidden message window on Windows
};
