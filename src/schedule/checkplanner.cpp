#include "checkplanner.h"

#include "desktop/clock.h"
#include "schedulecheck.h"
#include "schedulelist.h"

#include <cstdlib>

namespace {

// Within a second in which an entry can be due: one tick finds it, the next carries it out.
constexpr qint64 TickMs = 100;
// The longest sleep, so that a change no notification reports (a new time zone) costs at
// most a minute.
constexpr int HorizonSeconds = 60;
constexpr int SecondsPerDay = 24 * 3600;
// A clock that moved this much more (or less) than the time that passed was set, or the
// computer slept: a tick that comes late then owes nothing.
constexpr qint64 ClockJumpMs = 2000;

} // namespace

CheckPlanner::CheckPlanner(const ScheduleList& schedule, QObject* parent)
    : QObject(parent), m_schedule(schedule), m_timer(Clock::newTimer()), m_clockChange(this)
{
    connect(m_timer.get(), &WakeTimer::timeout, this, [this] {
        const QDateTime now = Clock::now();
        const qint64 jump = now.toMSecsSinceEpoch() - m_plannedAt.toMSecsSinceEpoch() -
                            (Clock::elapsedMs() - m_plannedAtElapsed);
        const bool late =
            std::abs(jump) < ClockJumpMs && now.toSecsSinceEpoch() > m_plannedFor.toSecsSinceEpoch();
        emit tickDue(late ? m_plannedFor : QDateTime());
        plan();
    });
    connect(&m_schedule, &ScheduleList::rowsInserted, this, &CheckPlanner::plan);
    connect(&m_schedule, &ScheduleList::rowsRemoved, this, &CheckPlanner::plan);
    connect(&m_schedule, &ScheduleList::modelReset, this, &CheckPlanner::plan);
    connect(&m_clockChange, &ClockChangeWatcher::clockSet, this, &CheckPlanner::plan);
    connect(&m_clockChange, &ClockChangeWatcher::resumed, this, &CheckPlanner::plan);
    connect(&m_clockChange, &ClockChangeWatcher::resumed, this, &CheckPlanner::resumed);
    plan();
}

CheckPlanner::~CheckPlanner() = default;

void CheckPlanner::start()
{
    m_started = true;
    plan();
}

void CheckPlanner::stop()
{
    m_started = false;
    plan();
}

void CheckPlanner::plan()
{
    if (!m_started) {
        m_timer->stop();
        setStatus(tr("Scheduler stopped"));
        return;
    }
    const QDateTime now = Clock::now();
    if (const auto wait = msecsToNextTick(now)) {
        m_plannedAt = now;
        m_plannedAtElapsed = Clock::elapsedMs();
        m_plannedFor = now.addMSecs(*wait);
        m_timer->start(*wait);
    } else {
        m_timer->stop();
    }
    const DueEvent next = nextDueEvent(m_schedule, now);
    setStatus(next.isEmpty() ? tr("Nothing scheduled")
                             : tr("Next: %1 at %2").arg(next.EventKind, next.DueTime));
}

std::optional<qint64> CheckPlanner::msecsToNextTick(const QDateTime& now) const
{
    const int second = now.time().msecsSinceStartOfDay() / 1000;
    const auto next = m_schedule.nextEnabledSecond(second);
    if (!next)
        return std::nullopt;
    if (*next == second)
        return TickMs;
    const qint64 secondStart = now.toMSecsSinceEpoch() - now.time().msec();
    // The coming seconds as local times of day. They follow on from this one unless the
    // offset from UTC changes within the horizon (two nights a year); then each is converted.
    const bool steady = QDateTime::fromMSecsSinceEpoch(secondStart + HorizonSeconds * 1000).offsetFromUtc() ==
                        now.offsetFromUtc();
    for (int ahead = 1; ahead <= HorizonSeconds; ++ahead) {
        const qint64 start = secondStart + ahead * 1000;
        const int local = steady ? (second + ahead) % SecondsPerDay
                                 : QDateTime::fromMSecsSinceEpoch(start).time().msecsSinceStartOfDay() / 1000;
        if (m_schedule.nextEnabledSecond(local) == local)
            return start - now.toMSecsSinceEpoch();
    }
    return secondStart + HorizonSeconds * 1000 - now.toMSecsSinceEpoch();
}

void CheckPlanner::setStatus(const QString& status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged(status);
}
