#pragma once

#include <QObject>
#include <QString>

// Tells when the wall clock jumps while timers wait on the time that passes: the system time
// was set (by the user, or by time synchronisation stepping it), the computer woke from
// sleep, or the local time zone changed. Linux: a timerfd that the kernel cancels when the
// clock is set, logind's PrepareForSleep(false) on the system bus, the folder of
// /etc/localtime through inotify and timedated's Timezone property; Windows: WM_TIMECHANGE,
// WM_POWERBROADCAST and WM_SETTINGCHANGE.
class ClockChangeWatcher : public QObject {
    Q_OBJECT

public:
    // `localTimeFile` is the file that names the local time zone on Linux (tests name a file of
    // their own); Windows has none and ignores it.
    explicit ClockChangeWatcher(QObject* parent = nullptr,
                                const QString& localTimeFile = QStringLiteral("/etc/localtime"));
    ~ClockChangeWatcher() override;

signals:
    void clockSet();
    void resumed();
    // The local time zone changed, or may have: from now on a local time of day may fall at
    // another moment. By then QDateTime's local time follows the new zone (Qt has the C library
    // read it again at each conversion). The steps of one change that come within 200 ms of each
    // other (a link removed, then made again; the file, then timedated's property) give one
    // signal. Windows announces a new zone and a set clock with the same message, so there every
    // clockSet() is followed by this, as is a change of the regional settings. Where TZ is set in
    // the program's environment, that zone holds for its whole run whatever this says. Not seen:
    // new rules for the same zone (a tzdata update).
    void timeZoneChanged();

private slots:
    // What logind and Windows say around a sleep: true before it, false after waking.
    void onSleepChanged(bool sleeping);

private:
    qintptr m_handle = -1; // the timerfd on Linux, the hidden message window on Windows
};
