#include "controller.h"
#include "controlservice.h"
#include "controlpipe_win.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

// A client that has not said its whole request by then is dropped; the program never waits
// for one.
constexpr int RequestWaitMs = 2000;
constexpr qint64 MaxRequestBytes = 64 * 1024;

// The control pipe: each connection carries one request and its answer.
class PipeService : public QLocalServer {
public:
    explicit PipeService(Controller& controller) : m_controller(controller)
    {
        setSocketOptions(QLocalServer::UserAccessOption);
        connect(this, &QLocalServer::newConnection, this, &PipeService::acceptAll);
    }

private:
    void acceptAll()
    {
        while (QLocalSocket* client = nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] { answer(client); });
            auto* timer = new QTimer(client);
            connect(timer, &QTimer::timeout, client, &QLocalSocket::abort);
            timer->start(RequestWaitMs);
        }
    }
    void answer(QLocalSocket* client)
    {
        QString unknown;
        const auto request = readRequest(*client, &unknown);
        if (!request) {
            if (client->bytesAvailable() > MaxRequestBytes)
                client->abort();
            return;
        }
        disconnect(client, &QLocalSocket::readyRead, this, nullptr);
        delete client->findChild<QTimer*>();
        writeReply(*client, unknown.isEmpty()
                                ? m_controller.execute(*request)
                                : ControlReply::refused(ControlReply::Error::Refused,
                                                        QStringLiteral("Unknown command %1").arg(unknown)));
        client->disconnectFromServer(); // once the answer is written
    }

    Controller& m_controller;
};

} // namespace

std::unique_ptr<QObject> publishController(Controller& controller, QString* error)
{
    auto service = std::make_unique<PipeService>(controller);
    // This instance holds the lock, so a pipe already there was left by one that was killed.
    if (!service->listen(controlPipeName())) {
        QLocalServer::removeServer(controlPipeName());
        if (!service->listen(controlPipeName())) {
            *error = service->errorString();
            return nullptr;
        }
    }
    return service;
}
