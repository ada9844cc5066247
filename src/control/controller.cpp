#include "controller.h"

#include "desktop/clock.h"
#include "entrywords.h"
#include "schedule/schedulecheck.h"
#include "scheduler/scheduler.h"

#include <QLocale>

namespace {

using Error = ControlReply::Error;

// "2026-12-14T19:30:00+05:30": unambiguous in the hour that a change to winter time repeats.
QString isoText(const QDateTime& when)
{
    if (!when.isValid())
        return {};
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QChar(u'0'))
               .arg(minutes % 60, 2, 10, QChar(u'0'));
}

ControlReply answer(const QString& refusal, const QStringList& lines = {})
{
    return refusal.isEmpty() ? ControlReply{Error::None, {}, lines}
                             : ControlReply::refused(Error::Refused, refusal);
}

} // namespace

Controller::Controller(Scheduler& scheduler, InstanceActions actions, QObject* parent)
    : QObject(parent), m_scheduler(scheduler), m_actions(std::move(actions))
{
}

ControlReply Controller::execute(const ControlRequest& request)
{
    const QVariantList& a = request.arguments;
    const uint number = a.value(0).toUInt();
    const int position = positionOf(number); // for the commands on an entry
    switch (request.command) {
    case Command::List: {
        QStringList lines;
        for (int p = 0; p < m_scheduler.schedule().count(); ++p)
            lines << entryLine(p);
        return answer({}, lines);
    }
    case Command::Next:
        return answer({}, {nextLine()});
    case Command::Add:
        return add(a.value(0).toString());
    case Command::AddIn:
        return addIn(number, a.value(1).toString());
    case Command::Delete:
        return position < 0 ? badPosition(number) : answer(m_scheduler.removeEntry(position));
    case Command::Enable:
    case Command::Disable:
        return position < 0
                   ? badPosition(number)
                   : answer(m_scheduler.setEntryEnabled(position, request.command == Command::Enable));
    case Command::Postpone:
        return number < 1 || number > Scheduler::MaxMinutesAhead ? badMinutes(number)
                                                                 : answer(m_scheduler.postpone(int(number)));
    case Command::SkipNext:
        return answer(m_scheduler.skipNext());
    case Command::Start:
        m_scheduler.start();
        return {};
    case Command::Stop:
        m_scheduler.stop();
        return {};
    case Command::Show:
        if (!m_actions.show)
            return answer(tr("Lullwick is not running."));
        m_actions.show();
        return {};
    case Command::Quit:
        if (!m_actions.quit)
            return answer(tr("Lullwick is not running."));
        // The answer goes out before the program ends.
        QMetaObject::invokeMethod(this, m_actions.quit, Qt::QueuedConnection);
        return {};
    }
    return {};
}

ControlReply Controller::add(const QString& words)
{
    const EntryWords parsed(words, Clock::now().date(), m_scheduler.offeredEvents());
    if (!parsed.isValid())
        return ControlReply::refused(Error::InvalidArgument, parsed.error());
    return added(m_scheduler.addEntry(parsed.entry()));
}

ControlReply Controller::addIn(uint minutes, const QString& event)
{
    if (minutes < 1 || minutes > Scheduler::MaxMinutesAhead)
        return badMinutes(minutes);
    const QString named =
        event.isEmpty() ? Values::Events.first() : EntryWords::valueNamed(event, m_scheduler.offeredEvents());
    if (named.isEmpty())
        return ControlReply::refused(Error::InvalidArgument,
                                     EntryWords::unknownEvent(event, m_scheduler.offeredEvents()));
    return added(m_scheduler.addEntryIn(int(minutes), named));
}

ControlReply Controller::added(const QString& refusal) const
{
    return answer(refusal, refusal.isEmpty() ? QStringList{entryLine(m_scheduler.schedule().count() - 1)}
                                             : QStringList{});
}

int Controller::positionOf(uint entry) const
{
    return entry >= 1 && entry <= uint(m_scheduler.schedule().count()) ? int(entry) - 1 : -1;
}

ControlReply Controller::badPosition(uint entry) const
{
    const int count = m_scheduler.schedule().count();
    return ControlReply::refused(
        Error::InvalidArgument,
        count == 0 ? tr("There is no entry %1: the schedule is empty.").arg(entry)
                   : tr("There is no entry %1: the entries are 1 to %2.").arg(entry).arg(count));
}

ControlReply Controller::badMinutes(uint minutes)
{
    return ControlReply::refused(Error::InvalidArgument,
                                 tr("Bad number of minutes %1: a whole number from 1 to %2.")
                                     .arg(minutes)
                                     .arg(Scheduler::MaxMinutesAhead));
}

QString Controller::entryLine(int position) const
{
    const ScheduleList& schedule = m_scheduler.schedule();
    // The stored words, in English whatever the user's language; a stored text may hold a tab
    // or a line end, which must not split the line.
    const auto cell = [&](ScheduleList::Column column) {
        return schedule.cell(position, column).simplified();
    };
    QString frequency = cell(ScheduleList::FrequencyColumn);
    if (const QDate date = schedule.recordDate(position); frequency == QLatin1String("Weekly") && date.isValid())
        frequency += QStringLiteral(" (%1)").arg(QLocale::c().dayName(date.dayOfWeek()));
    return QStringList{QString::number(position + 1),    cell(ScheduleList::TimeColumn),
                       cell(ScheduleList::StatusColumn), frequency,
                       cell(ScheduleList::EventColumn),  isoText(nextRunOf(schedule, position, Clock::now()))}
        .join(u'\t');
}

QString Controller::nextLine() const
{
    const NextRun run = m_scheduler.next();
    QStringList fields{{}, {}, {}, {}, m_scheduler.status()};
    if (run.isValid()) {
        const QDateTime now = Clock::now();
        // During a countdown the run is due now, and happens when the countdown ends.
        const QDateTime when =
            m_scheduler.isCountingDown() ? now.addSecs(m_scheduler.secondsLeft()) : run.when;
        fields[0] = isoText(when);
        fields[1] = run.event;
        fields[2] = QString::number(std::max<qint64>(0, now.secsTo(when)));
        fields[3] = run.position < 0 ? QString() : QString::number(run.position + 1);
    }
    return fields.join(u'\t');
}
