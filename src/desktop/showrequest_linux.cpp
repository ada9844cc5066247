#include "paths.h"
#include "programend.h"
#include "showrequest.h"

#include <QFile>
#include <QSocketNotifier>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain Unix socket watched by the event loop: the program needs no network library for it.

namespace {

constexpr int ReadWaitMilliseconds = 1000;

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

// Reads the request of one connection; its client writes it at once, so the wait is short.
bool readsShowRequest(int connection)
{
    const size_t size = std::strlen(ShowRequestText);
    char received[sizeof ShowRequestText] = {};
    size_t got = 0;
    while (got < size) {
        pollfd ready{connection, POLLIN, 0};
        if (::poll(&ready, 1, ReadWaitMilliseconds) <= 0)
            return false;
        const ssize_t n = ::read(connection, received + got, size - got);
        if (n <= 0)
            return false;
        got += static_cast<size_t>(n);
    }
    return std::memcmp(received, ShowRequestText, size) == 0;
}

} // namespace

class ShowRequestChannel::Listener {
public:
    Listener(int socket, QString path)
        : m_socket(socket), m_path(std::move(path)), m_notifier(socket, QSocketNotifier::Read)
    {
    }
    ~Listener()
    {
        ::close(m_socket);
        removeSocket();
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    int socket() const { return m_socket; }
    QSocketNotifier& notifier() { return m_notifier; }

private:
    void removeSocket() { ::unlink(QFile::encodeName(m_path).constData()); }

    int m_socket;
    QString m_path;
    QSocketNotifier m_notifier;
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
    m_listener = std::make_unique<Listener>(socket, m_name);
    connect(&m_listener->notifier(), &QSocketNotifier::activated, this, [this] {
        int connection;
        while ((connection = ::accept4(m_listener->socket(), nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
            const bool asked = readsShowRequest(connection);
            ::close(connection);
            if (asked)
                emit showRequested();
        }
    });
    return true;
}

bool ShowRequestChannel::askToShow()
{
    const auto address = addressOf(m_name);
    if (!address)
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
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
