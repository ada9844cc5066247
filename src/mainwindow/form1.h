#pragma once

#include "desktop/appicons.h"
#include "desktop/sessionend.h"
#include "desktop/singleinstance.h"
#include "execution/frmwarning.h"
#include "schedule/schedulecheck.h"
#include "schedule/schedulelist.h"

#include <QTimer>
#include <QWidget>

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

// What the main window needs from the platform; the caller keeps ownership.
struct Form1Services {
    Tray& tray;
    StartupRegistration& startup;
    PowerActions& power;
    WarningSound& sound;
};

// The main window: the schedule, the options, the scheduler's check timer, and the program's
// life from start to Exit. Closing it only hides it; the program goes on in the tray.
class Form1 : public QWidget, public WarningHost {
    Q_OBJECT

public:
    // Why the window is asked to close.
    enum class UnloadMode { UserClose = 0, ProgramUnload = 1, SessionEnd = 2 };

    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: refuses a second instance (returns false after telling the user, and the
    // caller ends this instance), fills the selectors, adds the tray icon, loads the stored
    // schedule and options and starts the scheduler.
    bool Form_Load();
    // Shows the window unless "Minimize on Startup" asks to start in the tray.
    void Form_Activate();
    // Returns true to refuse closing the window.
    bool Form_QueryUnload(UnloadMode mode);
    void Form_Unload();

    void Startbtn_Click();
    void disablebtn_Click();
    void CountTimer_LostFocus();
    void Command4_Click();
    void Check1_Click();

    // The Schedule tab's commands: Add, Edit (also a double-click on the table), Delete.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void VlogFile_Click();

    // Saves the schedule and options; on failure tells the user and returns false.
    bool SaveSettings();
    QString saveQuietly() override;
    void LoadSettings();

    // The scheduler: one tick of the check timer, and the scan for a due entry.
    void timechecker_Timer();
    void FindDueEntry();
    bool isSchedulerStarted() const { return m_timechecker.isActive(); }

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
    void setStateIcon(AppIcon icon);
    void RemoveTrayIcon();
    // Hides the window where a tray icon can bring it back; minimises it where none can.
    void hideToTray();
    void showFromTray();
    void applyStartup(bool enabled);
    int selectedPosition() const;
    void runWarning();
    void onSessionEnding();

    Form1Services m_services;
    SingleInstance m_instance;
    ScheduleList m_schedule;
    DueEvent m_dueEvent;
    QTimer m_timechecker;
    AppIcon m_iconState = AppIcon::Started;
    bool m_activatedOnce = false;
    bool m_unloading = false;
    bool m_warningOpen = false;
    qint64 m_warnedAt = -1; // the second (since the epoch) in which the last warning opened
    SessionEndWatcher m_sessionEnd;

    QTabWidget* SSTab1 = nullptr;
    QTreeView* mainListview = nullptr;
    QComboBox* cmbHour = nullptr;
    QComboBox* CmbMinute = nullptr;
    QComboBox* CmbSecond = nullptr;
    QComboBox* CmbAMPM = nullptr;
    QComboBox* CmbStatus = nullptr;
    QComboBox* CmbFrequency = nullptr;
    QComboBox* CmbEvent = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Startbtn = nullptr;
    QPushButton* disablebtn = nullptr;
    QPushButton* Command4 = nullptr;
    QCheckBox* AbortBtn = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* CountTimer = nullptr;
    QCheckBox* EventSound = nullptr;
    QCheckBox* LogFile = nullptr;
    QPushButton* VlogFile = nullptr;
    QCheckBox* StartMin = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label11 = nullptr;
};
