#include "application.h"

#include "desktop/appicons.h"
#include "desktop/appinfo.h"
#include "desktop/desktopnotification.h"
#include "desktop/messagebox.h"
#include "desktop/paths.h"
#include "desktop/programend.h"
#include "desktop/sessionend.h"
#include "desktop/tray.h"
#include "execution/warningwindow.h"
#include "mainwindow/mainwindow.h"
#include "schedule/timetext.h"

#include <QMenu>

namespace {

const QString AbortAction = QStringLiteral("abort");
const QString PostponeAction = QStringLiteral("postpone");
const QString SkipAction = QStringLiteral("skip");

} // namespace

Application::Application(PlatformServices services, QObject* parent)
    : QObject(parent), m_services(services), m_instance(Paths::instanceLock()),
      m_showRequests(Paths::settingsFile()), m_scheduler({services.power, services.sound, services.startup})
{
    connect(&m_scheduler, &Scheduler::problem, this, &Application::tell);
    connect(&m_scheduler, &Scheduler::eventRefused, this, [this](const QString& message) {
        showWarning(m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow.get() : nullptr, message);
    });
    connect(&m_scheduler, &Scheduler::startedChanged, this, &Application::showTrayIcon);
    connect(&m_scheduler, &Scheduler::statusChanged, this, &Application::showTrayMenuState);
    connect(&m_scheduler, &Scheduler::countdownStarted, this, &Application::onCountdownStarted);
    connect(&m_scheduler, &Scheduler::countdownStepped, this, &Application::onCountdownStepped);
    connect(&m_scheduler, &Scheduler::countdownEnded, this, &Application::onCountdownEnded);
    connect(&m_services.tray, &Tray::showWindowRequested, this, [this] {
        if (!m_mainWindow || !m_mainWindow->isVisible() || m_mainWindow->isMinimized())
            showMainWindow();
    });
    connect(&m_scheduler, &Scheduler::noticeDue, this, &Application::showNotice);
    connect(&m_services.notification, &DesktopNotification::actionInvoked, this,
            &Application::onNotificationAction);
    buildTrayMenu();
}

Application::~Application()
{
    delete m_warning; // it shows the scheduler, which goes with this
}

WarningWindow* Application::warningWindow() const
{
    return m_warning;
}

bool Application::start()
{
    if (!m_instance.tryAcquire()) {
        showMessage(nullptr, tr("Program Already Running"));
        m_showRequests.askToShow();
        return false;
    }
    m_showRequests.listen();
    connect(&m_showRequests, &ShowRequestChannel::showRequested, this, &Application::showMainWindow);
    m_sessionEnd = std::make_unique<SessionEndWatcher>();
    connect(m_sessionEnd.get(), &SessionEndWatcher::saveRequested, &m_scheduler, &Scheduler::save);
    connect(m_sessionEnd.get(), &SessionEndWatcher::sessionEnding, this, &Application::onSessionEnding);
    m_scheduler.load();
    showTrayIcon();
    if (!Options::isOn(m_scheduler.options().StartMin))
        showMainWindow();
    else if (!m_services.tray.isAvailable())
        hideMainWindow();
    return true;
}

void Application::showMainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(m_scheduler);
        connect(m_mainWindow.get(), &MainWindow::hideRequested, this, &Application::hideMainWindow);
        connect(m_mainWindow.get(), &MainWindow::exitRequested, this, &Application::exit);
    }
    if (!m_mainWindow->isVisible() || m_mainWindow->isMinimized())
        m_mainWindow->showNormal();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void Application::hideMainWindow()
{
    // Without a notification area nothing could bring a hidden window back, so it is
    // minimised instead and stays reachable from the taskbar.
    if (m_services.tray.isAvailable()) {
        if (m_mainWindow)
            m_mainWindow->hide();
        return;
    }
    if (!m_mainWindow)
        showMainWindow();
    m_mainWindow->showMinimized();
}

void Application::buildTrayMenu()
{
    m_trayMenu = std::make_unique<QMenu>();
    connect(m_trayMenu->addAction(tr("&Show Lullwick")), &QAction::triggered, this,
            &Application::showMainWindow);
    m_trayMenu->addAction(QString())->setEnabled(false); // the next run
    m_trayMenu->addSeparator();
    connect(m_trayMenu->addAction(tr("&Postpone Next by %1 Minutes").arg(Scheduler::DefaultPostponeMinutes)),
            &QAction::triggered, this, [this] { onNotificationAction(PostponeAction); });
    connect(m_trayMenu->addAction(tr("S&kip Next")), &QAction::triggered, this,
            [this] { onNotificationAction(SkipAction); });
    connect(m_trayMenu->addAction(QString()), &QAction::triggered, this,
            [this] { m_scheduler.isStarted() ? m_scheduler.stop() : m_scheduler.start(); });
    m_trayMenu->addSeparator();
    connect(m_trayMenu->addAction(tr("E&xit")), &QAction::triggered, this, &Application::exit);
    m_services.tray.setMenu(m_trayMenu.get());
    showTrayMenuState();
}

void Application::showTrayMenuState()
{
    m_services.tray.setToolTip(QString::fromLatin1(AppTitle) + QLatin1Char('\n') + m_scheduler.status());
    const QList<QAction*> items = m_trayMenu->actions();
    const bool next = m_scheduler.next().isValid();
    items[1]->setText(m_scheduler.status());
    items[3]->setEnabled(next);
    items[4]->setEnabled(next);
    items[5]->setText(m_scheduler.isStarted() ? tr("&Disable") : tr("Sta&rt"));
}

void Application::showTrayIcon()
{
    showTrayMenuState();
    // The picture shows whether the scheduler is started; there is none during a countdown.
    m_services.tray.RemoveTrayIcon();
    if (!m_scheduler.isCountingDown())
        m_services.tray.AddTrayIcon(appIcon(m_scheduler.isStarted() ? AppIcon::Started : AppIcon::Disabled));
}

void Application::onCountdownStarted()
{
    m_services.tray.RemoveTrayIcon();
    if (m_mainWindow)
        m_mainWindow->hide();
    m_warning = new WarningWindow(m_scheduler);
    m_warning->setAttribute(Qt::WA_DeleteOnClose);
    m_warning->show();
    onCountdownStepped();
}

void Application::onCountdownStepped()
{
    if (m_scheduler.secondsLeft() == 0) {
        m_services.notification.close();
        return;
    }
    Notice notice{WarningWindow::title(m_scheduler.countdownEvent().EventKind),
                  WarningWindow::timeLeftText(m_scheduler.secondsLeft()),
                  true,
                  {}};
    if (m_scheduler.canAbort())
        notice.actions = {{AbortAction, tr("Abort")}, {PostponeAction, tr("Postpone")}};
    m_services.notification.show(notice);
}

void Application::onCountdownEnded(Scheduler::Outcome outcome)
{
    m_services.notification.close();
    if (m_warning)
        m_warning->close();
    if (m_sessionEnded) {
        end();
        return;
    }
    showTrayIcon();
    // After an abort or a refusal the user is shown the schedule; after a postponement or a
    // skip the user chose what comes next, and after an event that leaves the program
    // running (a suspend, a lock) nothing asks for the window.
    if (outcome == Scheduler::Outcome::Aborted || outcome == Scheduler::Outcome::Refused)
        showMainWindow();
}

void Application::showNotice()
{
    const NextRun run = m_scheduler.next();
    m_services.notification.close();
    m_services.notification.show(
        {tr("%1 at %2")
             .arg(Values::displayName(run.event),
                  formatTimeText(run.when.time().msecsSinceStartOfDay() / 1000)),
         m_scheduler.status(),
         false,
         {{PostponeAction, tr("Postpone %1 min").arg(Scheduler::DefaultPostponeMinutes)},
          {SkipAction, tr("Skip this time")}}});
}

void Application::onNotificationAction(const QString& key)
{
    QString error;
    if (key == AbortAction)
        m_scheduler.abortCountdown();
    else if (key == PostponeAction)
        error = m_scheduler.postpone();
    else if (key == SkipAction)
        error = m_scheduler.skipNext();
    if (!error.isEmpty())
        tell(error);
    else if (!m_scheduler.isCountingDown())
        m_services.notification.close();
}

void Application::onSessionEnding()
{
    // A running countdown goes ahead; what the user entered is saved now, before the session's
    // final kill, and an abort ends the program.
    if (m_scheduler.isCountingDown()) {
        m_scheduler.save();
        m_sessionEnded = true;
        return;
    }
    end();
}

void Application::exit()
{
    if (const QString error = m_scheduler.applyStartAtLogin(); !error.isEmpty())
        tell(error);
    const QString error = m_scheduler.save();
    if (!error.isEmpty() &&
        !askQuestion(m_mainWindow.get(), tr("%1\n\nExit without saving the schedule?").arg(error),
                     tr("&Exit Without Saving"), tr("&Stay")))
        return;
    m_services.tray.RemoveTrayIcon();
    if (m_mainWindow)
        m_mainWindow->hide();
    endProgram();
}

void Application::end()
{
    // Nothing may hold up a session that is ending.
    m_scheduler.save();
    m_services.tray.RemoveTrayIcon();
    endProgram();
}

void Application::tell(const QString& message)
{
    showMessage(m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow.get() : nullptr, message);
}
