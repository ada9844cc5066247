#include "paths.h"
#include "programend.h"
#include "showrequest.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain Unix socket watched by the event loop: the program needs no network library for it.
// Nothing on it is waited for: the program has one thread, which no local process may hold up.

namespace {

constexpr int RequestWaitMilliseconds = 1000;
constexpr int MaxOpenConnections = 16;

// The address of a socket file, or nothing when the path is too long for one.
std::optional<sockaddr_un> addressOf(const QString& name)
{
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return address;
}

const sockaddr* asGeneric(const sockaddr_un& address)
{
    return reinterpret_cast<const sockaddr*>(&address);
}

// One client's connection, read as its bytes come; dropped once it has said the request or
// anything else, or has not said the whole request within a second.
class RequestConnection : public QObject {
public:
    RequestConnection(int connection, const std::function<void()>& onShowRequest, QObject* parent)
        : QObject(parent), m_connection(connection), m_notifier(connection, QSocketNotifier::Read),
          m_onShowRequest(onShowRequest)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &RequestConnection::read);
        QTimer::singleShot(RequestWaitMilliseconds, this, &RequestConnection::drop);
    }
    ~RequestConnection() override { ::close(m_connection); }
    RequestConnection(const RequestConnection&) = delete;
    RequestConnection& operator=(const RequestConnection&) = delete;

private:
    void read()
    {
        const QByteArray request(ShowRequestText);
        char buffer[sizeof ShowRequestText];
        const ssize_t got =
            ::read(m_connection, buffer, static_cast<size_t>(request.size() - m_received.size()));
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got > 0)
            m_received.append(buffer, got);
        if (got > 0 && m_received.size() < request.size() && request.startsWith(m_received))
            return;
        drop();
        if (m_received == request)
            m_onShowRequest();
    }
    void drop()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_connection;
    QSocketNotifier m_notifier;
    std::function<void()> m_onShowRequest;
    QByteArray m_received;
};

} // namespace

// Its connections are its children.
class ShowRequestChannel::Listener : public QObject {
public:
    Listener(int socket, QString path, std::function<void()> onShowRequest)
        : m_socket(socket), m_path(std::move(path)), m_notifier(socket, QSocketNotifier::Read),
          m_onShowRequest(std::move(onShowRequest))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Listener::acceptAll);
    }
    ~Listener() override
    {
        ::close(m_socket);
        removeSocket();
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    void acceptAll()
    {
        int connection;
        while ((connection = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
            // A flood of connections must not use up the descriptors the program saves with.
            if (children().size() >= MaxOpenConnections)
                ::close(connection);
            else
                new RequestConnection(connection, m_onShowRequest, this);
        }
    }
    void removeSocket() { ::unlink(QFile::encodeName(m_path).constData()); }

    int m_socket;
    QString m_path;
    QSocketNotifier m_notifier;
    std::function<void()> m_onShowRequest;
    ProgramEndAction m_removeAtEnd{[this] { removeSocket(); }};
};

ShowRequestChannel::ShowRequestChannel(const QString& settingsFile, QObject* parent)
    : QObject(parent), m_name(showRequestSocketName(settingsFile))
{
}

ShowRequestChannel::~ShowRequestChannel() = default;

bool ShowRequestChannel::listen()
{
    if (m_listener)
        return true;
    const auto address = addressOf(m_name);
    if (!address)
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    // This instance holds the lock, so a socket already there was left by one that was killed.
    QFile::remove(m_name);
    if (::bind(socket, asGeneric(*address), sizeof *address) != 0 ||
        ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(socket, 8) != 0) {
        ::close(socket);
        return false;
    }
    m_listener = std::make_unique<Listener>(socket, m_name, [this] { emit showRequested(); });
    return true;
}

bool ShowRequestChannel::askToShow()
{
    const auto address = addressOf(m_name);
    if (!address)
        return false;
    // Not blocking: a running instance that does not accept cannot hold this one up either.
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    const size_t size = std::strlen(ShowRequestText);
    const bool sent = ::connect(socket, asGeneric(*address), sizeof *address) == 0 &&
                      ::send(socket, ShowRequestText, size, MSG_NOSIGNAL) == static_cast<ssize_t>(size);
    ::close(socket);
    return sent;
}

QString showRequestSocketName(const QString& settingsFile)
{
    // The runtime folder is the user's own (mode 0700), so no one else can take the name first.
    return Paths::inRuntimeFolder(settingsFile, QStringLiteral(".socket"));
}
