#pragma once

#include "desktop/appicons.h"
#include "desktop/sessionend.h"
#include "desktop/showrequest.h"
#include "desktop/singleinstance.h"
#include "execution/warningwindow.h"
#include "schedule/checkplanner.h"
#include "schedule/schedulecheck.h"
#include "schedule/schedulelist.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeView;
class PowerActions;
struct ScheduleSelectors;
class StartupRegistration;
class Tray;
class WarningSound;
class DesktopNotification;

// What the main window needs from the platform; the caller keeps ownership.
struct MainWindowServices {
    Tray& tray;
    StartupRegistration& startup;
    PowerActions& power;
    WarningSound& sound;
    DesktopNotification& notification;
};

// The main window: the schedule, the options, the scheduler's check, and the program's
// life from start to Exit. Closing it only hides it; the program goes on in the tray.
class MainWindow : public QWidget, public WarningHost {
    Q_OBJECT

public:
    // Why the window is asked to close.
    enum class UnloadMode { UserClose = 0, ProgramUnload = 1, SessionEnd = 2 };

    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: refuses a second instance (returns false after telling the user, and the
    // caller ends this instance; until then it saves nothing and a termination signal ends it
    // as any program), fills the selectors, adds the tray icon, loads the stored schedule and
    // options, starts the scheduler and reports a settings file it cannot read or write.
    bool startUp();
    // Shows the window unless "Minimize on Startup" asks to start in the tray.
    void showAtStart();
    // Returns true to refuse closing the window.
    bool refusesClose(UnloadMode mode);
    void unload();

    void startScheduler();
    void disableScheduler();
    void correctCountdownText();
    void exitProgram();
    void startAtLoginChanged();

    // The Schedule tab's commands: Add, Edit (also a double-click on the table), Delete.
    void addEntry();
    void editEntry();
    void deleteEntry();
    void viewLog();

    // Saves the schedule and options; returns why it could not. A settings file that could
    // not be read at start is never written in that run.
    QString saveQuietly() override;
    void LoadSettings();

    // The scheduler: one tick of the check, and the scan for a due entry. The planner says
    // when a tick is due, and from when on the check was held up, if it was.
    void checkTick(const QDateTime& uncheckedSince = {});
    void FindDueEntry();
    bool isSchedulerStarted() const { return m_planner.isStarted(); }

    ScheduleList& schedule() override { return m_schedule; }
    const DueEvent& dueEvent() const { return m_dueEvent; }
    AppIcon iconState() const { return m_iconState; }

    // What the warning window reads and does while it counts down.
    void setScheduleCheck(bool running) override;
    void showMainWindow() override;
    void AddTrayIcon() override;
    QString countTimerText() const override;
    bool abortEnabled() const override;
    bool soundEnabled() const override;
    bool logEnabled() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScheduleTab(QWidget* page, int pageTop);
    void buildMiscTab(QWidget* page, int pageTop);
    void buildAboutTab(QWidget* page, int pageTop);
    ScheduleSelectors selectors() const;
    void setSchedulerButtons(bool started);
    void switchSchedulerButtons(bool started);
    void setStateIcon(AppIcon icon);
    void RemoveTrayIcon();
    void showPlanInTray(const QString& status);
    // Hides the window where a tray icon can bring it back; minimises it where none can.
    void hideToTray();
    void showFromTray();
    // A second start asked for the window: shown, in front, active.
    void bringToFront();
    void applyStartup(bool enabled);
    int selectedPosition() const;
    void selectRow(int position);
    // Selects the row at `near` (or the last one) when the table has rows and none is selected.
    void keepARowSelected(int near);
    // Entries whose second passed while the check was held up: the first one late by a minute
    // at most is carried out now; those later than that are logged as missed. Returns true
    // when a warning was shown.
    bool catchUp(const QDateTime& since, const QDateTime& now);
    // Hides the window and the tray icon and counts down to the due event of `second`.
    void openWarning(qint64 second);
    void runWarning();
    // A countdown that did not end in the event: logged, and a "Once" entry does not come back
    // at the same time the next day.
    void noteEventNotCarriedOut(const DueEvent& due, quint64 entryId, const QString& what,
                                const QString& reason = {});
    // Every change is saved a moment later, several changes of a moment in one save.
    void saveSoon();
    void saveNow();
    void tellEntriesThatNeverRun();
    void onSessionEnding();
    void setCountdownText(const QString& text);

    MainWindowServices m_services;
    SingleInstance m_instance;
    ShowRequestChannel m_showRequests;
    ScheduleList m_schedule;
    DueEvent m_dueEvent;
    CheckPlanner m_planner{m_schedule, this};
    AppIcon m_iconState = AppIcon::Started;
    bool m_activatedOnce = false;
    bool m_unloading = false;
    bool m_sessionEnded = false; // the session ended while the warning counted down
    QString m_loadError;         // why the settings file could not be read at start
    qint64 m_warnedAt = -1;      // the second (since the epoch) in which the last warning opened
    std::unique_ptr<SessionEndWatcher> m_sessionEnd; // only once this instance runs
    WarningWindow* m_warning = nullptr;              // while one counts down
    QTimer m_saveTimer;
    bool m_saveFailureTold = false; // until a save succeeds again

    QTabWidget* m_tabs = nullptr;
    QTreeView* m_table = nullptr;
    QComboBox* m_hourBox = nullptr;
    QComboBox* m_minuteBox = nullptr;
    QComboBox* m_secondBox = nullptr;
    QComboBox* m_meridiemBox = nullptr;
    QComboBox* m_statusBox = nullptr;
    QComboBox* m_frequencyBox = nullptr;
    QComboBox* m_weekdayBox = nullptr;
    QComboBox* m_eventBox = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_disableButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QCheckBox* m_abortBox = nullptr;
    QCheckBox* m_startAtLoginBox = nullptr;
    QLineEdit* m_countdownEdit = nullptr;
    QCheckBox* m_soundBox = nullptr;
    QCheckBox* m_logBox = nullptr;
    QPushButton* m_viewLogButton = nullptr;
    QCheckBox* m_startMinimizedBox = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_aboutLabel = nullptr;
};
