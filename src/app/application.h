#pragma once

#include "desktop/showrequest.h"
#include "desktop/singleinstance.h"
#include "scheduler/scheduler.h"

#include <QObject>
#include <QPointer>
#include <memory>

class DesktopNotification;
class MainWindow;
class QMenu;
class PowerActions;
class SessionEndWatcher;
class StartupRegistration;
class Tray;
class WarningSound;
class WarningWindow;

// What the program needs from the platform; the caller keeps ownership.
struct PlatformServices {
    Tray& tray;
    StartupRegistration& startup;
    PowerActions& power;
    WarningSound& sound;
    DesktopNotification& notification;
};

// The program from its start to its end: one instance on the user's settings, the scheduler,
// and the views around it: the main window (built the first time it is shown), the warning
// window while a countdown runs, the tray icon and the countdown's notification. It ends the
// program at Exit and when the session ends.
class Application : public QObject {
    Q_OBJECT

public:
    explicit Application(PlatformServices services, QObject* parent = nullptr);
    ~Application() override;

    // Refuses a second instance: says so, asks the running one to show its window and returns
    // false (this instance then ends without saving anything). Otherwise loads the schedule,
    // starts the scheduler and shows the main window, unless "Minimize on Startup" keeps the
    // program in the tray.
    bool start();

    Scheduler& scheduler() { return m_scheduler; }
    // The main window, or nullptr while it has never been shown.
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    // The warning, or nullptr while no countdown runs.
    WarningWindow* warningWindow() const;

    // Shows the main window (built now if it never was), in front and active.
    void showMainWindow();
    // The Exit button: start at login as chosen, the schedule saved (or the user asked what to
    // do when it cannot be), and the program ends.
    void exit();

private:
    // Hides the window where a tray icon can bring it back; minimises it where none can.
    void hideMainWindow();
    void showTrayIcon();
    void onCountdownStarted();
    void onCountdownStepped();
    void onCountdownEnded(Scheduler::Outcome outcome);
    // The notice some minutes before the next run, with the actions that answer it.
    void showNotice();
    void onNotificationAction(const QString& key);
    void buildTrayMenu();
    void showTrayMenuState();
    void onSessionEnding();
    // Saves and ends the program, leaving no tray icon behind.
    void end();
    void tell(const QString& message);

    PlatformServices m_services;
    SingleInstance m_instance;
    ShowRequestChannel m_showRequests;
    Scheduler m_scheduler;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<QMenu> m_trayMenu;
    QPointer<WarningWindow> m_warning;
    std::unique_ptr<SessionEndWatcher> m_sessionEnd; // only once this instance runs
    bool m_sessionEnded = false;                     // the session ended while a countdown ran
};
