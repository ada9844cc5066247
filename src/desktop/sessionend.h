#pragma once

#include <QObject>

// Tells when the desktop session is ending (the user logs off or the system shuts down),
// so that the program can save before it is stopped. On Linux the session manager asks
// through Qt's session management, and systemd stops the session's processes with SIGTERM
// (SIGHUP when the terminal goes away); both arrive here as one signal.
class SessionEndWatcher : public QObject {
    Q_OBJECT

public:
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    void sessionEnding();
};
