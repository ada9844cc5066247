#include "checkplanner.h"

#include "desktop/clock.h"
#include "schedulecheck.h"
#include "schedulelist.h"
#include "timetext.h"

#include <QTimeZone>
#include <cstdlib>

namespace {

// Within a second in which an entry can be due: one tick finds it, the next carries it out.
constexpr qint64 TickMs = 100;
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
    connect(&m_schedule, &ScheduleList::entriesChanged, this, &CheckPlanner::plan);
    connect(&m_clockChange, &ClockChangeWatcher::clockSet, this, &CheckPlanner::plan);
    connect(&m_clockChange, &ClockChangeWatcher::timeZoneChanged, this, &CheckPlanner::plan);
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
        emit planned();
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
    emit planned();
}

std::optional<qint64> CheckPlanner::msecsToNextTick(const QDateTime& now) const
{
    const int second = now.time().msecsSinceStartOfDay() / 1000;
    const auto next = m_schedule.nextEnabledSecond(second);
    if (!next)
        return std::nullopt;
    if (*next == second)
        return TickMs;
    // The local times of day follow on from this one until the offset from UTC changes (two
    // nights a year): then the check wakes at the change and plans again from there.
    const qint64 nowMs = now.toMSecsSinceEpoch();
    qint64 wakeMs =
        nowMs - now.time().msec() + qint64((*next - second + SecondsPerDay) % SecondsPerDay) * 1000;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (zone.hasTransitions()) {
        const QDateTime change = zone.nextTransition(now).atUtc;
        if (change.isValid() && change.toMSecsSinceEpoch() > nowMs)
            wakeMs = std::min(wakeMs, change.toMSecsSinceEpoch());
    }
    return wakeMs - nowMs;
}
