#pragma once

#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>
#include <ostream>

// systemd-logind for tests: python-dbusmock's logind template on a private system bus, started
// by fake-logind.sh (the same set-up a test of the installed program uses) and stopped, with
// every process it started, when this object goes.
//
// The constructor points DBUS_SYSTEM_BUS_ADDRESS of this process at the private bus. Qt
// connects to the system bus once per process and keeps that connection, so create the fake
// before the code under test first uses QDBusConnection::systemBus(), and only one per process
// (each test case runs in its own process).
//
// The fake knows two sessions of the current user: ownSessionPath(), which GetSessionByPID
// returns for any process, and autoSessionPath(), the name real logind resolves to the
// caller's session.
class FakeLogind {
public:
    // One method call the fake received, in the order received.
    struct Call {
        QString objectPath;
        QString method;
        QVariantList args;

        bool operator==(const Call&) const = default;
    };

    static const QString ManagerPath;
    static const QString ManagerInterface;
    static const QString SessionInterface;

    FakeLogind();
    ~FakeLogind();
    FakeLogind(const FakeLogind&) = delete;
    FakeLogind& operator=(const FakeLogind&) = delete;

    // False when the fake did not start; the reason has been reported as a test failure.
    bool isRunning() const { return m_bus.isConnected(); }
    QString address() const { return m_address; }
    QString ownSessionPath() const { return m_ownSession; }
    static QString autoSessionPath();

    // The calls received by one object since the start or the last clearCalls().
    QList<Call> calls(const QString& objectPath) const;
    // The calls received by the manager and both sessions, object by object.
    QList<Call> calls() const;
    void clearCalls();

    // From now on the method answers every call with the D-Bus error `errorName` and `message`
    // (the call is still recorded). False, with a test failure, for a method other than
    // PowerOff, Reboot, Halt, GetSessionByPID and Terminate.
    bool makeFail(const QString& objectPath, const QString& interface, const QString& method,
                  const QString& errorName, const QString& message);

private:
    QStringList objectPaths() const;

    QTemporaryDir m_dir;
    QString m_stateDir;
    QString m_address;
    QString m_ownSession;
    QByteArray m_previousAddress;
    QDBusConnection m_bus{QString()};
};

void PrintTo(const FakeLogind::Call& call, std::ostream* out);
