#include "instanceclient.h"
#include "controlpipe_win.h"

#include <QLocalSocket>

namespace {

constexpr int ConnectWaitMs = 2000;
// Show builds the main window the first time; nothing else takes long.
constexpr int AnswerWaitMs = 30000;

} // namespace

std::optional<ControlReply> sendToRunningInstance(const ControlRequest& request, QString* why)
{
    QLocalSocket pipe;
    pipe.connectToServer(controlPipeName());
    if (!pipe.waitForConnected(ConnectWaitMs)) {
        *why = pipe.errorString();
        return std::nullopt;
    }
    writeRequest(pipe, request);
    while (pipe.waitForReadyRead(AnswerWaitMs) || pipe.bytesAvailable() > 0) {
        if (const auto reply = readReply(pipe))
            return reply;
        if (pipe.state() != QLocalSocket::ConnectedState)
            break;
    }
    // An instance that ends as asked may be gone before its answer.
    if (request.command == Command::Quit)
        return ControlReply{};
    return ControlReply::refused(ControlReply::Error::Refused, pipe.errorString());
}
