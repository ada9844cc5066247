#include "controlpipe_win.h"

#include "desktop/paths.h"
#include "desktop/showrequest.h"

#include <QDataStream>
#include <algorithm>

namespace {

constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;

} // namespace

QString controlPipeName()
{
    return showRequestSocketName(Paths::settingsFile()) + QStringLiteral("-control");
}

void writeRequest(QIODevice& pipe, const ControlRequest& request)
{
    QDataStream out(&pipe);
    out.setVersion(StreamVersion);
    out << QString::fromLatin1(infoOf(request.command).method) << request.arguments;
}

std::optional<ControlRequest> readRequest(QIODevice& pipe, QString* unknown)
{
    QDataStream in(&pipe);
    in.setVersion(StreamVersion);
    in.startTransaction();
    QString method;
    ControlRequest request;
    in >> method >> request.arguments;
    if (!in.commitTransaction())
        return std::nullopt;
    const auto infos = commandInfos();
    const auto found = std::find_if(infos.begin(), infos.end(), [&](const CommandInfo& info) {
        return method == QLatin1String(info.method);
    });
    if (found != infos.end())
        request.command = found->command;
    else
        *unknown = method;
    return request;
}

void writeReply(QIODevice& pipe, const ControlReply& reply)
{
    QDataStream out(&pipe);
    out.setVersion(StreamVersion);
    out << static_cast<int>(reply.error) << reply.message << reply.lines;
}

std::optional<ControlReply> readReply(QIODevice& pipe)
{
    QDataStream in(&pipe);
    in.setVersion(StreamVersion);
    in.startTransaction();
    int error = 0;
    ControlReply reply;
    in >> error >> reply.message >> reply.lines;
    if (!in.commitTransaction())
        return std::nullopt;
    reply.error = static_cast<ControlReply::Error>(error);
    return reply;
}
