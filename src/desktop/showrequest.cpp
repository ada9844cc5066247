#include "showrequest.h"

#include <QLocalSocket>

namespace {

const QByteArray ShowRequest = "show\n";
constexpr int WaitMilliseconds = 2000;

} // namespace

ShowRequestChannel::ShowRequestChannel(const QString& settingsFile, QObject* parent)
    : QObject(parent), m_name(showRequestSocketName(settingsFile))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &ShowRequestChannel::readRequest);
}

bool ShowRequestChannel::listen()
{
    if (m_server.isListening())
        return true;
    if (m_server.listen(m_name))
        return true;
    // This instance holds the lock, so a socket already there was left by one that was killed.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

bool ShowRequestChannel::askToShow()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(WaitMilliseconds))
        return false;
    socket.write(ShowRequest);
    const bool sent = socket.waitForBytesWritten(WaitMilliseconds);
    socket.disconnectFromServer();
    return sent;
}

void ShowRequestChannel::readRequest()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Only the one request is understood; anything else is dropped with the connection.
            if (socket->bytesAvailable() < ShowRequest.size())
                return;
            if (socket->read(ShowRequest.size()) == ShowRequest)
                emit showRequested();
            socket->disconnectFromServer();
        });
    }
}
