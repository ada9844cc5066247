#pragma once

#include "countdown.h"
#include "execution/completeevent.h"
#include "schedule/checkplanner.h"
#include "schedule/options.h"
#include "schedule/schedulecheck.h"
#include "schedule/schedulelist.h"

#include <QObject>
#include <QTimer>

class PowerActions;
class StartupRegistration;
class WarningSound;

// When an entry runs next, and which.
struct NextRun {
    QDateTime when; // invalid when no entry runs within a week
    QString event;
    int position = -1;

    bool isValid() const { return when.isValid(); }
};

// What the scheduler needs from the platform; the caller keeps ownership.
struct SchedulerServices {
    PowerActions& power;
    WarningSound& sound;
    StartupRegistration& startup;
};

// The program's core: the schedule and the options, the check that finds a due entry, the
// countdown before it and its completion, the event log, and the settings file, loaded at
// start and saved at every change. Windows, the tray icon and notifications show its state
// and ask it to act; it tells them what happens through its signals. It uses no widgets.
class Scheduler : public QObject, private CompletionHost {
    Q_OBJECT

public:
    // How a countdown ended: the event carried out (the program ends with a shutdown, a
    // reboot or a power-off, goes on after a suspend, a hibernation or a lock, and waits for
    // a log-off the desktop is asked for), refused by the system, aborted, postponed or
    // skipped by the user, or cut off by a sleep of the computer.
    enum class Outcome { Completed, Refused, Aborted, Postponed, Skipped, Slept };
    Q_ENUM(Outcome)

    explicit Scheduler(SchedulerServices services, QObject* parent = nullptr);
    ~Scheduler() override;

    // Loads the schedule and the options from the settings file and starts the scheduler. A
    // file that cannot be read (never written over in this run) or written, a stored choice
    // of start at login that cannot be carried out, and entries that will never run are told
    // through problem(). From then on every change is saved within a moment.
    void load();

    const ScheduleList& schedule() const { return m_schedule; }
    // The schedule for views to show; they change it only through the commands below.
    QAbstractItemModel* model() { return &m_schedule; }
    const Options& options() const { return m_options; }
    // Changes the options; a change of start at login registers or unregisters the program.
    void setOptions(const Options& options);

    // The schedule's commands; each returns "" or why it was refused, in words for the user.
    QString addEntry(const ScheduleEntry& entry);
    // A "Once" entry for `event` at the current time plus `minutes`, to the second.
    QString addEntryIn(int minutes, const QString& event);
    // Changes the entry with `id` (ScheduleList::id), wherever it is now.
    QString replaceEntry(quint64 id, const ScheduleEntry& entry);
    QString removeEntry(int position);
    QString setEntryEnabled(int position, bool enabled);
    // The events the system can carry out, in the order the selectors offer them.
    QStringList offeredEvents() const;

    // The next run: that of the countdown while one runs, otherwise the next one due from now
    // on (none while the scheduler is stopped).
    NextRun next() const;
    // The next run does not happen, and a "Once" entry for its event follows `minutes` from
    // now; a countdown ends. Refused while a countdown cannot be aborted.
    QString postpone(int minutes = DefaultPostponeMinutes);
    // The next run does not happen: a "Once" entry is disabled, any other waits for its next
    // day; a countdown ends. Refused while a countdown cannot be aborted.
    QString skipNext();
    static constexpr int DefaultPostponeMinutes = 10;
    // The furthest ahead an entry is added or postponed: a week.
    static constexpr int MaxMinutesAhead = 7 * 24 * 60;

    void start();
    void stop();
    // Started, the scheduler carries out entries as they fall due (the check pauses while a
    // countdown runs); stopped, none.
    bool isStarted() const { return m_started; }
    // "Next: Reboot today at 07:30:00 PM (in 3 h 15 min)", "Nothing scheduled" or "Scheduler
    // stopped: no entry will run".
    QString status() const { return m_status; }

    // The countdown of a due entry: its event, the seconds left, and whether the warning is
    // emphasised (dark red, with the sound) since the last second.
    bool isCountingDown() const { return m_countingDown; }
    const DueEvent& countdownEvent() const { return m_dueEvent; }
    int secondsLeft() const { return m_countdown.secondsLeft(); }
    bool isEmphasised() const { return m_countdown.isEmphasised(); }
    // The "Enable Abort Button" option as the countdown began, until the event goes ahead.
    bool canAbort() const { return m_countingDown && m_abortAllowed; }
    void abortCountdown();

    // Saves now; "" or why not (a settings file that could not be read is never written).
    QString save();
    // Registers or unregisters start at login as the option says, unless the options could
    // not be read; "" or the error.
    QString applyStartAtLogin();

signals:
    void startedChanged(bool started);
    void optionsChanged();
    void statusChanged(const QString& status);
    void countdownStarted();
    void countdownStepped();
    void countdownEnded(Outcome outcome);
    // The next run is as many minutes ahead as the option "Notify before an event" says.
    void noticeDue();
    // What the user must be told: a settings file that cannot be read or written, entries
    // that never run, a change of start at login that failed.
    void problem(const QString& message);
    // The system refused the event: what could not be done and why.
    void eventRefused(const QString& message);

private:
    // CompletionHost
    bool logEnabled() const override { return Options::isOn(m_options.LogFile); }
    ScheduleList& entries() override { return m_schedule; }
    QString saveQuietly() override { return save(); }

    void checkTick(const QDateTime& uncheckedSince);
    // Entries whose second passed while the check was held up: the first one late by a minute
    // at most is carried out now; those later than that are logged as missed. Returns true
    // when a countdown began.
    bool catchUp(const QDateTime& since, const QDateTime& now);
    void beginCountdown(qint64 second);
    void countdownStep();
    void endCountdown(Outcome outcome, const QString& refusal = {});
    // A countdown that did not end in the event: logged, and a "Once" entry does not come back
    // at the same time the next day.
    void noteNotCarriedOut(const QString& what, const QString& reason = {});
    // The run `run` does not happen: logged as `what`, a "Once" entry disabled, another one
    // waiting for its next day.
    void cancelRun(const NextRun& run, const QString& what, const QString& reason = {});
    // Why the next run cannot be postponed or skipped now, or "".
    QString whyNextCannotChange() const;
    // The status and the next runs as they stand now; when they change next; the notice.
    void refresh();
    void saveSoon();
    void saveNow();
    void tellEntriesThatNeverRun();

    SchedulerServices m_services;
    ScheduleList m_schedule;
    Options m_options;
    CheckPlanner m_planner{m_schedule, this};
    Countdown m_countdown{this};
    DueEvent m_dueEvent;
    bool m_started = false;
    bool m_countingDown = false;
    bool m_abortAllowed = false;
    quint64 m_countdownEntry = 0; // the id of the entry counted down for
    qint64 m_warnedAt = -1;       // the second (since the epoch) in which the last countdown began
    QString m_loadError;          // why the settings file could not be read at start
    QTimer m_saveTimer;
    QString m_status;
    std::unique_ptr<WakeTimer> m_refreshTimer;
    std::unique_ptr<WakeTimer> m_noticeTimer;
    QDateTime m_noticed;            // the run the last notice was for
    bool m_saveFailureTold = false; // until a save succeeds again
};
