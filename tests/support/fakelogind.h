#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

// A call an object of a python-dbusmock stand-in (fake*) got, as its GetCalls gives it.
struct MockCall {
    QString objectPath, method;
    QVariantList args;
    bool operator==(const MockCall&) const = default;
};
QList<MockCall> mockCalls(const QDBusConnection& bus, const QString& service, const QString& path);
// A call of the stand-in's org.freedesktop.DBus.Mock interface (GetCalls, AddMethod, EmitSignal...).
QDBusMessage callMock(const QDBusConnection& bus, const QString& service, const QString& path,
                      const char* method, const QVariantList& args = {});

// fake-logind.sh on a private system bus, which this process uses from then on: create one per
// process (Qt connects to the system bus once), before the code under test uses the bus.
class FakeLogind {
public:
    using Call = MockCall;
    FakeLogind();
    ~FakeLogind();
    bool isRunning() const { return QDBusConnection::systemBus().isConnected(); }
    // What the manager and the session c1 (GetSessionByPID's) got since last asked.
    QList<Call> calls();
    // From now on the manager refuses `method` (PowerOff, Reboot or GetSessionByPID) with `message`.
    bool makeFail(const QString& method, const QString& message);

private:
    QProcess m_fake;
};
