#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QProcess>

// A call an object of a python-dbusmock stand-in (fake*) got, as its GetCalls gives it.
struct MockCall {
    QString objectPath, method;
    QVariantList args;
    bool operator==(const MockCall&) const = default;
};
inline void PrintTo(const MockCall& call, std::ostream* out)
{
    QString text;
    QDebug(&text).nospace() << call.objectPath << ' ' << call.method << call.args;
    *out << text.toStdString();
}
QList<MockCall> mockCalls(const QDBusConnection& bus, const QString& service, const QString& path);
// A call of the stand-in's org.freedesktop.DBus.Mock interface (GetCalls, AddMethod, EmitSignal...).
QDBusMessage callMock(const QDBusConnection& bus, const QString& service, const QString& path,
                      const char* method, const QVariantList& args = {});

// fake-logind.sh on a private bus, which this process uses from then on as its system bus and as
// its session bus, where tests put stand-ins of the desktop's services (no desktop otherwise):
// create one per process (Qt connects to each bus once), before the code under test uses them.
class FakeLogind {
public:
    using Call = MockCall;
    FakeLogind();
    ~FakeLogind();
    bool isRunning() const { return QDBusConnection::systemBus().isConnected(); }
    // What the manager and the session c1 (GetSessionByPID's) got since last asked.
    QList<Call> calls();
    // The same without the questions of what the computer can do (CanSuspend...).
    QList<Call> requests();
    // From now on the manager's `method` (PowerOff, Suspend, CanHibernate, GetSessionByPID...) runs
    // python-dbusmock's `code` (`args` in, `ret` out).
    bool setMethod(const QString& method, const QString& code);
    // From now on the manager refuses `method` with `message` as the D-Bus error `name`.
    bool makeFail(const QString& method, const QString& message,
                  const QString& name = "org.freedesktop.DBus.Error.Failed");

private:
    QProcess m_fake;
};
