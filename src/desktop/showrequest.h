#pragma once

#include <QObject>
#include <QString>
#include <memory>

// How a second start of the program gets the running instance's window back: the running
// instance listens on a local socket named after the user's settings file, and an instance
// that is refused asks it there to show its window.
class ShowRequestChannel : public QObject {
    Q_OBJECT

public:
    // `settingsFile` names the store both instances share.
    explicit ShowRequestChannel(const QString& settingsFile, QObject* parent = nullptr);
    ~ShowRequestChannel() override;

    // The running instance: listens from now on; call only while holding the instance lock,
    // so that a socket left by a killed instance can be taken over. Returns false when the
    // socket cannot be made (nothing else depends on it).
    bool listen();
    // A refused instance: asks the running one to show its window. Returns false when no
    // instance listens.
    bool askToShow();

signals:
    void showRequested();

private:
    class Listener; // the platform's listening socket
    QString m_name;
    std::unique_ptr<Listener> m_listener;
};

// The socket's name for a settings file: a private place of the user where the platform has
// one, the same for every path that names the same file.
QString showRequestSocketName(const QString& settingsFile);

// The one request a running instance understands.
inline constexpr char ShowRequestText[] = "show\n";
