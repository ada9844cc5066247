#pragma once

#include <QObject>

// Tells when the desktop session asks the program to save and when it ends (the user logs
// off or the system shuts down), so that nothing entered is lost.
//
// The session manager asks for the data before the session ends, but also for a checkpoint
// ("save session") after which the session goes on; Qt does not say which, so that request
// only saves. The session really ends when the session manager tells the program to quit
// (Qt's aboutToQuit; on Windows when the session end is confirmed) or, on Linux, when
// systemd stops the session's processes with SIGTERM (SIGHUP when the terminal goes away,
// SIGINT for Ctrl+C in it).
class SessionEndWatcher : public QObject {
    Q_OBJECT

public:
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    void saveRequested();
    void sessionEnding();

private:
    // The platform's termination signals, turned into sessionEnding(); one watcher at a time.
    void watchTerminationSignals();
    void unwatchTerminationSignals();
};
