#include "scheduler.h"

#include "desktop/clock.h"
#include "desktop/freememory.h"
#include "desktop/paths.h"
#include "desktop/startup.h"
#include "execution/eventaction.h"
#include "execution/eventlog.h"
#include "execution/shutdown.h"
#include "execution/sound.h"
#include "schedule/numbertext.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"
#include "timeleft.h"

#include <QLocale>

namespace {

// How late an entry whose second passed while the check was held up is still carried out.
constexpr int LateLimitSeconds = 60;
// Changes of a moment (an edit, typing a number) share one save.
constexpr int SaveDelayMs = 200;
// The entries named at most when some never run.
constexpr int MaxNamedEntries = 10;

} // namespace

Scheduler::Scheduler(SchedulerServices services, QObject* parent)
    : QObject(parent), m_services(services), m_refreshTimer(Clock::newTimer()),
      m_noticeTimer(Clock::newTimer())
{
    connect(&m_planner, &CheckPlanner::tickDue, this, &Scheduler::checkTick);
    connect(&m_planner, &CheckPlanner::planned, this, &Scheduler::refresh);
    connect(&m_planner, &CheckPlanner::resumed, this, [this] {
        if (m_countingDown && m_countdown.isRunning())
            endCountdown(Outcome::Slept);
    });
    connect(&m_countdown, &Countdown::stepped, this, &Scheduler::countdownStep);
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &Scheduler::saveNow);
    connect(m_refreshTimer.get(), &WakeTimer::timeout, this, &Scheduler::refresh);
    connect(m_noticeTimer.get(), &WakeTimer::timeout, this, &Scheduler::refresh);
    refresh();
}

Scheduler::~Scheduler() = default;

void Scheduler::load()
{
    const StoredOptions stored = loadSchedule(Paths::settingsFile(), m_schedule);
    returnFreeMemory(); // the file's text and its parsed copy
    m_loadError = stored.error;
    m_options = stored.over(Options{});
    emit optionsChanged();
    start();
    // A stored choice not to start at login is carried out, as a click on the box would.
    if (stored.Startup && *stored.Startup != Options{}.Startup) {
        if (const QString error = applyStartAtLogin(); !error.isEmpty())
            emit problem(error);
    }
    const QString storeProblem =
        m_loadError.isEmpty()
            ? scheduleWriteProblem(Paths::settingsFile())
            : tr("%1\n\nLullwick will not write over it while it runs, so changes made now are not saved.")
                  .arg(m_loadError);
    m_saveFailureTold = !storeProblem.isEmpty();
    if (!storeProblem.isEmpty())
        emit problem(storeProblem);
    tellEntriesThatNeverRun();
    connect(&m_schedule, &ScheduleList::entriesChanged, this, &Scheduler::saveSoon);
}

void Scheduler::tellEntriesThatNeverRun()
{
    QStringList lines;
    int count = 0;
    for (int p = 0; p < m_schedule.count(); ++p) {
        const QString why = m_schedule.whyNeverRuns(p);
        if (why.isEmpty() || ++count > MaxNamedEntries)
            continue;
        const ScheduleEntry entry = m_schedule.entry(p);
        lines << tr("Entry %1 (%2, %3, %4): %5")
                     .arg(p + 1)
                     .arg(entry.SetTime, entry.Frequency, entry.Event, why);
    }
    if (count > MaxNamedEntries)
        lines << tr("and %n more.", nullptr, count - MaxNamedEntries);
    if (!lines.isEmpty())
        emit problem(tr("These entries are kept as they are, but they will never run:\n\n%1")
                         .arg(lines.join(QLatin1Char('\n'))));
}

void Scheduler::setOptions(const Options& options)
{
    if (options == m_options)
        return;
    const bool startupChanged = options.Startup != m_options.Startup;
    const bool noticeChanged = options.NoticeMinutes != m_options.NoticeMinutes;
    m_options = options;
    emit optionsChanged();
    saveSoon();
    if (noticeChanged)
        refresh();
    if (startupChanged) {
        if (const QString error = applyStartAtLogin(); !error.isEmpty())
            emit problem(error);
    }
}

QString Scheduler::applyStartAtLogin()
{
    // Options that could not be read are the defaults, which must not overrule the stored choice.
    if (!m_loadError.isEmpty())
        return {};
    return Options::isOn(m_options.Startup) ? m_services.startup.SetStartupEntry()
                                            : m_services.startup.ClearStartupEntry();
}

QString Scheduler::addEntry(const ScheduleEntry& entry)
{
    if (m_schedule.count() >= MaxScheduleEntries)
        return tr("The schedule is full: it holds at most %1 entries.").arg(MaxScheduleEntries);
    m_schedule.append(entry);
    return {};
}

QString Scheduler::addEntryIn(int minutes, const QString& event)
{
    if (minutes < 1 || minutes > MaxMinutesAhead)
        return tr("The minutes must be a whole number from 1 to %1.").arg(MaxMinutesAhead);
    if (!offeredEvents().contains(event))
        return tr("The event \"%1\" cannot be carried out here.").arg(event);
    const QDateTime when = Clock::now().addSecs(qint64(minutes) * 60);
    return addEntry({makeRecordText(when.date(), formatTimeText(when.time().msecsSinceStartOfDay() / 1000)),
                     QStringLiteral("Enabled"), QStringLiteral("Once"), event});
}

QString Scheduler::setEntryEnabled(int position, bool enabled)
{
    if (position < 0 || position >= m_schedule.count())
        return tr("There is no entry %1 in the schedule.").arg(position + 1);
    ScheduleEntry entry = m_schedule.entry(position);
    entry.Status = enabled ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
    m_schedule.replace(position, entry);
    return {};
}

QStringList Scheduler::offeredEvents() const
{
    QStringList offered;
    for (const QString& event : Values::Events)
        if (m_services.power.canCarryOut(event))
            offered << event;
    return offered;
}

QString Scheduler::replaceEntry(quint64 id, const ScheduleEntry& entry)
{
    const int position = m_schedule.positionOf(id);
    if (position < 0)
        return tr("The entry is no longer in the schedule: it has been carried out or deleted.");
    m_schedule.replace(position, entry);
    return {};
}

QString Scheduler::removeEntry(int position)
{
    if (position < 0 || position >= m_schedule.count())
        return tr("There is no entry %1 in the schedule.").arg(position + 1);
    m_schedule.removeAt(position);
    return {};
}

void Scheduler::start()
{
    m_started = true;
    if (!m_countingDown)
        m_planner.start();
    emit startedChanged(true);
}

void Scheduler::stop()
{
    m_started = false;
    m_planner.stop();
    emit startedChanged(false);
}

void Scheduler::checkTick(const QDateTime& uncheckedSince)
{
    const QDateTime now = Clock::now();
    if (uncheckedSince.isValid() && catchUp(uncheckedSince, now))
        return;
    const qint64 second = now.toSecsSinceEpoch();
    // An entry is found by one tick and carried out by the next within its second; one the
    // user aborted does not come back within that second.
    const bool found = !m_dueEvent.isEmpty() &&
                       formatTimeText(now.time().msecsSinceStartOfDay() / 1000) == m_dueEvent.DueTime;
    // Found again, as the schedule is now: an entry before it may have gone meanwhile.
    m_dueEvent = FindDueEntry(m_schedule, now);
    if (found && second != m_warnedAt && !m_dueEvent.isEmpty())
        beginCountdown(second);
}

bool Scheduler::catchUp(const QDateTime& since, const QDateTime& now)
{
    const QDateTime thisSecond = now.addMSecs(-now.time().msec());
    for (auto late = firstDueBetween(m_schedule, since, thisSecond); late;
         late = firstDueBetween(m_schedule, late->when.addSecs(1), thisSecond)) {
        const qint64 second = late->when.toSecsSinceEpoch();
        if (second == m_warnedAt)
            continue;
        if (late->when.secsTo(now) <= LateLimitSeconds) {
            m_dueEvent = late->due;
            beginCountdown(second);
            return true;
        }
        if (logEnabled())
            appendToEventLog(Paths::logFile(),
                             eventNoteLogLine(late->due.EventKind, QStringLiteral("missed"), late->when,
                                              QStringLiteral("Lullwick was held up past its time")));
    }
    return false;
}

void Scheduler::beginCountdown(qint64 second)
{
    m_warnedAt = second;
    const auto position = parseInt16(m_dueEvent.Position);
    m_countdownEntry = m_schedule.id(*position);
    m_planner.stop();
    m_countingDown = true;
    m_abortAllowed = Options::isOn(m_options.AbortBtn);
    m_countdown.begin(m_options.countdownSeconds());
    emit countdownStarted();
}

void Scheduler::countdownStep()
{
    if (m_countdown.secondsLeft() > 0) {
        if (m_countdown.isEmphasised())
            m_services.sound.PlayWarningSound(Options::isOn(m_options.EventSound));
        emit countdownStepped();
        return;
    }
    // From here on the event goes ahead: nothing may look as if it could still stop it.
    m_abortAllowed = false;
    emit countdownStepped();
    // The entry counted down for, where it is now (a command may have changed the schedule
    // meanwhile), or none when it was deleted.
    const int position = m_schedule.positionOf(m_countdownEntry);
    m_dueEvent.Position = position < 0 ? QString() : QString::number(position);
    const Completion completion = CompleteEvent(m_dueEvent, *this, m_services.power);
    endCountdown(completion.accepted ? Outcome::Completed : Outcome::Refused, completion.refusal);
}

void Scheduler::abortCountdown()
{
    if (canAbort())
        endCountdown(Outcome::Aborted);
}

void Scheduler::endCountdown(Outcome outcome, const QString& refusal)
{
    m_countdown.stop();
    if (outcome == Outcome::Aborted)
        noteNotCarriedOut(QStringLiteral("aborted"));
    else if (outcome == Outcome::Slept)
        noteNotCarriedOut(QStringLiteral("skipped"), QStringLiteral("the computer was asleep"));
    m_countingDown = false;
    m_abortAllowed = false;
    if (m_started)
        m_planner.start();
    const QString event = m_dueEvent.EventKind;
    m_dueEvent = FindDueEntry(m_schedule, Clock::now()); // at the time the countdown ended
    emit countdownEnded(outcome);
    if (outcome == Outcome::Refused)
        emit eventRefused(tr("Lullwick could not %1: %2.").arg(eventActionText(event), refusalInUserWords(refusal)));
}

NextRun Scheduler::next() const
{
    if (m_countingDown)
        return {Clock::now(), m_dueEvent.EventKind, m_schedule.positionOf(m_countdownEntry)};
    if (!m_started)
        return {};
    const auto due = nextDue(m_schedule, Clock::now());
    return due ? NextRun{due->when, due->due.EventKind, due->due.Position.toInt()} : NextRun{};
}

QString Scheduler::whyNextCannotChange() const
{
    if (m_countingDown)
        return canAbort() ? QString() : tr("The countdown can no longer be stopped.");
    return next().isValid() ? QString() : tr("No entry will run.");
}

QString Scheduler::postpone(int minutes)
{
    if (const QString why = whyNextCannotChange(); !why.isEmpty())
        return why;
    if (minutes < 1 || minutes > MaxMinutesAhead)
        return tr("The minutes must be a whole number from 1 to %1.").arg(MaxMinutesAhead);
    if (m_schedule.count() >= MaxScheduleEntries)
        return tr("The schedule is full: it holds at most %1 entries.").arg(MaxScheduleEntries);
    const NextRun run = next();
    const QDateTime until = Clock::now().addSecs(qint64(minutes) * 60);
    cancelRun(run, QStringLiteral("postponed"),
              QStringLiteral("until ") + formatTimeText(until.time().msecsSinceStartOfDay() / 1000));
    m_schedule.append(
        {makeRecordText(until.date(), formatTimeText(until.time().msecsSinceStartOfDay() / 1000)),
         QStringLiteral("Enabled"), QStringLiteral("Once"), run.event});
    if (m_countingDown)
        endCountdown(Outcome::Postponed);
    return {};
}

QString Scheduler::skipNext()
{
    if (const QString why = whyNextCannotChange(); !why.isEmpty())
        return why;
    cancelRun(next(), QStringLiteral("skipped"));
    if (m_countingDown)
        endCountdown(Outcome::Skipped);
    return {};
}

void Scheduler::cancelRun(const NextRun& run, const QString& what, const QString& reason)
{
    if (logEnabled())
        appendToEventLog(Paths::logFile(), eventNoteLogLine(run.event, what, run.when, reason));
    if (run.position < 0)
        return;
    ScheduleEntry entry = m_schedule.entry(run.position);
    if (entry.Frequency == QLatin1String("Once")) {
        entry.Status = QStringLiteral("Disabled");
        m_schedule.replace(run.position, entry);
    } else {
        m_schedule.skipRunOn(run.position, run.when.date());
        refresh();
    }
}

void Scheduler::refresh()
{
    const QDateTime now = Clock::now();
    const NextRun run = next();
    QString status;
    if (!m_started) {
        status = tr("Scheduler stopped: no entry will run");
    } else if (!run.isValid()) {
        status = tr("Nothing scheduled");
    } else {
        const qint64 days = now.date().daysTo(run.when.date());
        const QString day = days == 0   ? tr("today")
                            : days == 1 ? tr("tomorrow")
                                        : tr("on %1").arg(QLocale().dayName(run.when.date().dayOfWeek()));
        const qint64 left = now.secsTo(run.when);
        status = tr("Next: %1 %2 at %3 (%4)")
                     .arg(Values::displayName(run.event), day,
                          formatTimeText(run.when.time().msecsSinceStartOfDay() / 1000), timeLeftText(left));
        // The text moves on with the time left, and the day's name at midnight.
        const qint64 toMidnight = now.secsTo(QDateTime(now.date().addDays(1), QTime(0, 0)));
        m_refreshTimer->start(1000 * std::min(secondsUntilTimeLeftChanges(left), toMidnight));
    }
    if (!run.isValid() || m_countingDown)
        m_refreshTimer->stop();
    m_schedule.refreshNextRuns();
    if (status != m_status) {
        m_status = status;
        emit statusChanged(status);
    }
    // One notice for each run, that many minutes before it, or at once when it comes sooner.
    const qint64 notice = qint64(m_options.NoticeMinutes) * 60;
    if (!run.isValid() || m_countingDown || m_options.NoticeMinutes <= 0 || run.when == m_noticed) {
        m_noticeTimer->stop();
    } else if (now.msecsTo(run.when) > notice * 1000) { // whole seconds would notify up to one early
        m_noticeTimer->start(now.msecsTo(run.when) - notice * 1000);
    } else {
        m_noticeTimer->stop();
        m_noticed = run.when;
        emit noticeDue();
    }
}

void Scheduler::noteNotCarriedOut(const QString& what, const QString& reason)
{
    if (logEnabled())
        appendToEventLog(Paths::logFile(),
                         eventNoteLogLine(m_dueEvent.EventKind, what, Clock::now(), reason));
    const int position = m_schedule.positionOf(m_countdownEntry);
    if (position < 0)
        return;
    ScheduleEntry entry = m_schedule.entry(position);
    if (entry.Frequency == QLatin1String("Once")) {
        entry.Status = QStringLiteral("Disabled");
        m_schedule.replace(position, entry);
    }
}

void Scheduler::saveSoon()
{
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

void Scheduler::saveNow()
{
    const QString error = save();
    if (error.isEmpty()) {
        m_saveFailureTold = false;
        return;
    }
    // Told once, not at every change, until a save succeeds again.
    if (m_saveFailureTold)
        return;
    m_saveFailureTold = true;
    emit problem(error);
}

QString Scheduler::save()
{
    m_saveTimer.stop();
    if (!m_loadError.isEmpty())
        return tr("%1\nThe schedule is not saved over a file that could not be read.").arg(m_loadError);
    return saveSchedule(Paths::settingsFile(), m_schedule, m_options);
}
