#include "showrequest.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int WaitMilliseconds = 2000;

} // namespace

class ShowRequestChannel::Listener : public QLocalServer {
public:
    Listener() { setSocketOptions(QLocalServer::UserAccessOption); }
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
    auto server = std::make_unique<Listener>();
    // This instance holds the lock, so a pipe already there was left by one that was killed.
    if (!server->listen(m_name)) {
        QLocalServer::removeServer(m_name);
        if (!server->listen(m_name))
            return false;
    }
    m_listener = std::move(server);
    connect(m_listener.get(), &QLocalServer::newConnection, this, [this] {
        const QByteArray request(ShowRequestText);
        while (QLocalSocket* socket = m_listener->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, request] {
                // Only the one request is understood; anything else is dropped with the connection.
                if (socket->bytesAvailable() < request.size())
                    return;
                if (socket->read(request.size()) == request)
                    emit showRequested();
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool ShowRequestChannel::askToShow()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(WaitMilliseconds))
        return false;
    socket.write(ShowRequestText);
    const bool sent = socket.waitForBytesWritten(WaitMilliseconds);
    socket.disconnectFromServer();
    return sent;
}

QString showRequestSocketName(const QString& settingsFile)
{
    // A named pipe; UserAccessOption limits it to this user.
    const QByteArray hash =
        QCryptographicHash::hash(QFileInfo(settingsFile).absoluteFilePath().toLower().toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("lullwick-%1").arg(QString::fromLatin1(hash));
}
