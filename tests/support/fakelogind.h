#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QVariantList>
#include <ostream>

// One method call a python-dbusmock object received, as its GetCalls gives it.
struct MockCall {
    QString objectPath;
    QString method;
    QVariantList args;

    bool operator==(const MockCall&) const = default;
};
void PrintTo(const MockCall& call, std::ostream* out);

// The calls the mock object at `path` of `service` received since it started or was cleared.
QList<MockCall> mockCalls(const QDBusConnection& bus, const QString& service, const QString& path);
void clearMockCalls(const QDBusConnection& bus, const QString& service, const QString& path);

// systemd-logind for tests: fake-logind.sh on a private system bus, which this process uses from
// then on. Qt connects to the system bus once per process, so create one fake per process before
// the code under test first uses it. Sessions: c1, which GetSessionByPID returns, and auto.
class FakeLogind {
public:
    using Call = MockCall;

    FakeLogind();
    ~FakeLogind();
    bool isRunning() const { return QDBusConnection::systemBus().isConnected(); }
    // The calls the manager, c1 and auto received, object by object.
    QList<Call> calls() const;
    void clearCalls();
    // From now on the manager's `method` (PowerOff, Reboot or GetSessionByPID) is refused with
    // `message`; the call is still recorded.
    bool makeFail(const QString& method, const QString& message);

private:
    QProcess m_fake;
};
