#include "commandrun.h"

#include "commandline.h"
#include "controller.h"
#include "desktop/paths.h"
#include "desktop/singleinstance.h"
#include "instanceclient.h"
#include "offlineservices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CommandRun)
};

// How long a command waits for an instance that holds the lock but does not answer yet: one
// that is starting, or ending.
constexpr int AnswerWaitMs = 10000;
constexpr int RetryMs = 100;

// One line on standard error; returns `status`.
int printError(const QString& message, int status = CommandStatus::Failed)
{
    std::fprintf(stderr, "lullwick: %s\n", message.simplified().toLocal8Bit().constData());
    return status;
}

int print(const ControlReply& reply)
{
    if (reply.error != ControlReply::Error::None)
        return printError(reply.message);
    for (const QString& line : reply.lines)
        std::printf("%s\n", line.toLocal8Bit().constData());
    return CommandStatus::Done;
}

// While the caller holds the instance lock.
int runWithoutInstance(const ControlRequest& request)
{
    const WithoutInstance what = infoOf(request.command).withoutInstance;
    if (what == WithoutInstance::StartsProgram)
        return CommandStatus::StartProgram;
    if (what == WithoutInstance::NeedsInstance)
        return printError(Tr::tr("Lullwick is not running."), CommandStatus::NotRunning);
    OfflineServices services;
    Scheduler scheduler(services.services());
    QStringList problems;
    QObject::connect(&scheduler, &Scheduler::problem,
                     [&problems](const QString& problem) { problems << problem; });
    scheduler.load();
    // A change that cannot be saved says why below.
    if (what == WithoutInstance::ReadsStore)
        for (const QString& problem : problems)
            printError(problem);
    ControlReply reply = Controller(scheduler).execute(request);
    if (reply.error == ControlReply::Error::None && what == WithoutInstance::ChangesStore) {
        if (const QString error = scheduler.save(); !error.isEmpty())
            reply = ControlReply::refused(ControlReply::Error::Refused, error);
    }
    return print(reply);
}

} // namespace

int runCommandLine(const QStringList& arguments)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.request)
        return printError(parsed.error);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        {
            SingleInstance instance(Paths::instanceLock());
            if (instance.tryAcquire())
                return runWithoutInstance(*parsed.request);
        }
        QString why;
        if (const auto reply = sendToRunningInstance(*parsed.request, &why))
            return print(*reply);
        if (waited.hasExpired(AnswerWaitMs))
            return printError(Tr::tr("Lullwick is running but does not answer: %1").arg(why));
        QThread::msleep(RetryMs);
    }
}
