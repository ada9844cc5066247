#include "form1.h"

#include "desktop/appinfo.h"
#include "desktop/clock.h"
#include "desktop/messagebox.h"
#include "desktop/paths.h"
#include "desktop/programend.h"
#include "desktop/startup.h"
#include "desktop/tray.h"
#include "desktop/twips.h"
#include "editwindow/changetime.h"
#include "editwindow/scheduleselectors.h"
#include "logviewer/viewer.h"
#include "schedule/numbertext.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeView>

namespace {

int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void setCheckValue(QCheckBox* box, int value)
{
    box->setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

const QString AboutText = QStringLiteral(
    "Shut down, power off, reboot or log off computer at scheduled time."
    "Warning sound and countdown during any scheduled Event. Log file to keep track of all the "
    "events.\n\nWritten by the Lullwick developers. Your feedback is always welcome");

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services), m_instance(Paths::instanceLock())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(AppTitle));
    setWindowIcon(appIcon(AppIcon::Started));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8);
    setFont(tahoma);
    setFixedSize(px(7245), px(7050));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twips(120, 480, 6975, 6015));
    auto* misc = new QWidget;
    auto* scheduleTab = new QWidget;
    auto* about = new QWidget;
    SSTab1->addTab(misc, tr("Misc Settings"));
    SSTab1->addTab(scheduleTab, tr("Schedule"));
    SSTab1->addTab(about, tr("About"));
    // Positions are given from the top of the tab control, the tab strip included.
    const int pageTop = SSTab1->tabBar()->sizeHint().height();
    buildMiscTab(misc, pageTop);
    buildScheduleTab(scheduleTab, pageTop);
    buildAboutTab(about, pageTop);
    SSTab1->setCurrentWidget(scheduleTab);

    m_timechecker.setInterval(100);
    connect(&m_timechecker, &QTimer::timeout, this, &Form1::timechecker_Timer);
    connect(&m_services.tray, &Tray::showWindowRequested, this, &Form1::showFromTray);
    connect(&m_sessionEnd, &SessionEndWatcher::sessionEnding, this, &Form1::onSessionEnding);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

void Form1::buildScheduleTab(QWidget* page, int pageTop)
{
    const auto at = [pageTop](int left, int top, int width, int height) {
        return twips(left, top, width, height).translated(0, -pageTop);
    };

    mainListview = new QTreeView(page);
    mainListview->setObjectName(QStringLiteral("mainListview"));
    mainListview->setAccessibleName(tr("Schedule"));
    mainListview->setGeometry(at(120, 450, 6735, 3495));
    mainListview->setModel(&m_schedule);
    mainListview->setRootIsDecorated(false);
    mainListview->setUniformRowHeights(true);
    mainListview->setAllColumnsShowFocus(true);
    mainListview->setSelectionBehavior(QAbstractItemView::SelectRows);
    mainListview->setSelectionMode(QAbstractItemView::SingleSelection);
    mainListview->header()->setSectionsMovable(false);
    mainListview->header()->setStretchLastSection(false);
    const int columnWidth =
        (mainListview->width() - 2 * mainListview->frameWidth() - 4) / ScheduleList::ColumnCount;
    for (int column = 0; column < ScheduleList::ColumnCount; ++column)
        mainListview->setColumnWidth(column, columnWidth);
    mainListview->viewport()->installEventFilter(this);

    struct Selector {
        QComboBox*& combo;
        const char* name;
        const char* caption;
        int left;
        int width;
    };
    // Wider than the classic layout's pick-lists so that "Disabled" and "WeekDays" fit
    // in any font; same order, same row, same overall span.
    const Selector selectors[] = {
        {cmbHour, "cmbHour", QT_TR_NOOP("Hour"), 120, 705},
        {CmbMinute, "CmbMinute", QT_TR_NOOP("Minute"), 825, 705},
        {CmbSecond, "CmbSecond", QT_TR_NOOP("Second"), 1530, 705},
        {CmbAMPM, "CmbAMPM", QT_TR_NOOP("AM/PM"), 2235, 705},
        {CmbStatus, "CmbStatus", QT_TR_NOOP("Status"), 2940, 1215},
        {CmbFrequency, "CmbFrequency", QT_TR_NOOP("Frequency"), 4170, 1335},
        {CmbEvent, "CmbEvent", QT_TR_NOOP("Event"), 5520, 1335},
    };
    int labelNumber = 2;
    for (const Selector& s : selectors) {
        s.combo = new QComboBox(page);
        s.combo->setObjectName(QLatin1String(s.name));
        s.combo->setGeometry(at(s.left, 4650, s.width, 330));
        auto* label = new QLabel(tr(s.caption), page);
        label->setObjectName(QStringLiteral("Label%1").arg(labelNumber++));
        label->setGeometry(at(s.left, 4410, s.width, 225));
        label->setBuddy(s.combo);
    }

    struct Button {
        QPushButton*& button;
        const char* name;
        const char* caption;
        void (Form1::*handler)();
    };
    const Button buttons[] = {
        {Command1, "Command1", QT_TR_NOOP("Add"), &Form1::Command1_Click},
        {Command2, "Command2", QT_TR_NOOP("Edit"), &Form1::Command2_Click},
        {Command3, "Command3", QT_TR_NOOP("Delete"), &Form1::Command3_Click},
        {Startbtn, "Startbtn", QT_TR_NOOP("Start"), &Form1::Startbtn_Click},
        {disablebtn, "disablebtn", QT_TR_NOOP("Disable"), &Form1::disablebtn_Click},
        {Command4, "Command4", QT_TR_NOOP("Exit"), &Form1::Command4_Click},
    };
    int left = 615;
    for (const Button& b : buttons) {
        b.button = new QPushButton(tr(b.caption), page);
        b.button->setObjectName(QLatin1String(b.name));
        b.button->setGeometry(at(left, 5370, 960, 375));
        connect(b.button, &QPushButton::clicked, this, b.handler);
        left += 960;
    }
    Startbtn->setEnabled(false);
}

void Form1::buildMiscTab(QWidget* page, int pageTop)
{
    auto* Frame1 = new QGroupBox(page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(200, 480, 6690, 5295).translated(0, -pageTop));

    const auto checkBox = [Frame1](const char* name, const QString& caption, QRect geometry, bool checked) {
        auto* box = new QCheckBox(caption, Frame1);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(geometry);
        box->setChecked(checked);
        return box;
    };
    AbortBtn = checkBox("AbortBtn", tr("Enable Abort Button"), twips(1920, 960, 2895, 495), true);
    Check1 = checkBox("Check1", tr("Load on Windows Startup"), twips(1920, 1680, 2895, 495), true);
    auto* Label9 = new QLabel(tr("Count Down Timer"), Frame1);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(twips(1920, 2520, 1815, 285));
    CountTimer = new QLineEdit(QStringLiteral("5"), Frame1);
    CountTimer->setObjectName(QStringLiteral("CountTimer"));
    CountTimer->setMaxLength(3);
    CountTimer->setGeometry(twips(4440, 2505, 495, 315));
    CountTimer->installEventFilter(this);
    Label9->setBuddy(CountTimer);
    EventSound = checkBox("EventSound", tr("Enable Sound on Event"), twips(1920, 3000, 2895, 375), false);
    LogFile = checkBox("LogFile", tr("Log File"), twips(1920, 3600, 2895, 285), true);
    VlogFile = new QPushButton(tr("View"), Frame1);
    VlogFile->setObjectName(QStringLiteral("VlogFile"));
    VlogFile->setGeometry(twips(4920, 3540, 855, 375));
    StartMin = checkBox("StartMin", tr("Minimize on Startup"), twips(1920, 4080, 2895, 285), false);

    // Thin lines between the options.
    for (int top : {1560, 2340, 2910, 3465, 4000}) {
        auto* line = new QFrame(Frame1);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(twips(1800, top, 4200, 30));
    }

    connect(Check1, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    connect(VlogFile, &QPushButton::clicked, this, &Form1::VlogFile_Click);
}

void Form1::buildAboutTab(QWidget* page, int pageTop)
{
    auto* Frame2 = new QGroupBox(page);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twips(200, 480, 6690, 5295).translated(0, -pageTop));
    Label1 = new QLabel(tr("Lullwick v1.0"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(2085, 360, 3075, 285));
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setStyleSheet(QStringLiteral("color: #0000ff"));
    Label11 = new QLabel(Frame2);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setWordWrap(true);
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label11->setGeometry(twips(360, 840, 6240, 3000));
}

bool Form1::Form_Load()
{
    if (!m_instance.tryAcquire()) {
        showMessage(nullptr, tr("Program Already Running"));
        return false;
    }
    selectors().fill(0);
    setSchedulerButtons(true);
    AddTrayIcon();
    LoadSettings();
    m_timechecker.start();
    Label11->setText(AboutText);
    return true;
}

ScheduleSelectors Form1::selectors() const
{
    return {cmbHour, CmbMinute, CmbSecond, CmbAMPM, CmbStatus, CmbFrequency, CmbEvent};
}

void Form1::Form_Activate()
{
    if (StartMin->isChecked() && !m_activatedOnce)
        hideToTray();
    else
        show();
    m_activatedOnce = true;
}

bool Form1::Form_QueryUnload(UnloadMode mode)
{
    switch (mode) {
    case UnloadMode::UserClose:
        hideToTray();
        return true;
    case UnloadMode::ProgramUnload:
        hide();
        return false;
    case UnloadMode::SessionEnd:
        return false;
    }
    return false;
}

void Form1::Form_Unload()
{
    // Nothing may hold up a session that is ending; Exit has already reported a failed save.
    saveQuietly();
    RemoveTrayIcon();
}

void Form1::onSessionEnding()
{
    // A running countdown refuses to be closed; the event it announces goes ahead.
    if (m_warningOpen || Form_QueryUnload(UnloadMode::SessionEnd))
        return;
    Form_Unload();
    endProgram();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (Form_QueryUnload(m_unloading ? UnloadMode::ProgramUnload : UnloadMode::UserClose)) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CountTimer && event->type() == QEvent::FocusOut)
        CountTimer_LostFocus();
    else if (watched == mainListview->viewport() && event->type() == QEvent::MouseButtonDblClick)
        Command2_Click();
    return QWidget::eventFilter(watched, event);
}

void Form1::hideToTray()
{
    // Without a notification area nothing could bring a hidden window back, so it is
    // minimised instead and stays reachable from the taskbar.
    if (m_services.tray.isAvailable())
        hide();
    else
        showMinimized();
}

void Form1::showFromTray()
{
    if (!isVisible() || isMinimized())
        showNormal();
}

void Form1::setSchedulerButtons(bool started)
{
    Startbtn->setEnabled(!started);
    disablebtn->setEnabled(started);
}

void Form1::setStateIcon(AppIcon icon)
{
    m_iconState = icon;
    setWindowIcon(appIcon(icon));
}

void Form1::AddTrayIcon()
{
    m_services.tray.AddTrayIcon(windowIcon());
}

void Form1::RemoveTrayIcon()
{
    m_services.tray.RemoveTrayIcon();
}

void Form1::Startbtn_Click()
{
    m_timechecker.start();
    setSchedulerButtons(true);
    RemoveTrayIcon();
    setStateIcon(AppIcon::Started);
    AddTrayIcon();
}

void Form1::disablebtn_Click()
{
    setSchedulerButtons(false);
    m_timechecker.stop();
    RemoveTrayIcon();
    setStateIcon(AppIcon::Disabled);
    AddTrayIcon();
}

void Form1::CountTimer_LostFocus()
{
    const auto number = parseNumber(CountTimer->text());
    if (!number || *number < 0)
        CountTimer->setText(QStringLiteral("10"));
}

void Form1::Check1_Click()
{
    applyStartup(checkValue(Check1) == 1);
}

void Form1::applyStartup(bool enabled)
{
    const QString error =
        enabled ? m_services.startup.SetStartupEntry() : m_services.startup.ClearStartupEntry();
    if (!error.isEmpty())
        showMessage(this, error);
}

void Form1::Command4_Click()
{
    applyStartup(checkValue(Check1) == 1);
    // Leaving without the schedule on disk would lose it; the user is told and stays.
    if (!SaveSettings())
        return;
    RemoveTrayIcon();
    m_unloading = true;
    close();
    endProgram();
}

void Form1::Command1_Click()
{
    if (m_schedule.count() >= MaxScheduleEntries) {
        showMessage(this, tr("The schedule is full: it holds at most %1 entries.").arg(MaxScheduleEntries));
        return;
    }
    m_schedule.append(selectors().entry(Clock::now().date()));
}

void Form1::Command2_Click()
{
    if (m_schedule.count() == 0) {
        showMessage(this, tr("Nothing to Edit"));
        return;
    }
    if (selectedPosition() < 0)
        return;
    ChangeTime window(m_schedule, *mainListview->selectionModel(), this);
    window.exec();
}

void Form1::Command3_Click()
{
    if (m_schedule.count() == 0) {
        showMessage(this, tr("Nothing to Delete"));
        return;
    }
    const int position = selectedPosition();
    if (position >= 0)
        m_schedule.removeAt(position);
}

void Form1::VlogFile_Click()
{
    viewLogFile(this);
}

int Form1::selectedPosition() const
{
    const QModelIndexList rows = mainListview->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString Form1::saveQuietly()
{
    const OptionValues options{checkValue(EventSound), checkValue(AbortBtn), CountTimer->text(),
                               checkValue(Check1),     checkValue(LogFile),  checkValue(StartMin)};
    return saveSchedule(Paths::settingsFile(), m_schedule, options);
}

bool Form1::SaveSettings()
{
    const QString error = saveQuietly();
    if (error.isEmpty())
        return true;
    showMessage(this, error);
    return false;
}

void Form1::LoadSettings()
{
    const StoredOptions stored = loadSchedule(Paths::settingsFile(), m_schedule);
    if (stored.EventSound)
        setCheckValue(EventSound, *stored.EventSound);
    if (stored.AbortBtn)
        setCheckValue(AbortBtn, *stored.AbortBtn);
    if (stored.CountTimer)
        CountTimer->setText(*stored.CountTimer);
    if (stored.Check1)
        setCheckValue(Check1, *stored.Check1); // a change runs Check1_Click, as a click would
    if (stored.LogFile)
        setCheckValue(LogFile, *stored.LogFile);
    if (stored.StartMin)
        setCheckValue(StartMin, *stored.StartMin);
}

void Form1::timechecker_Timer()
{
    const QDateTime now = Clock::now();
    const qint64 second = now.toSecsSinceEpoch();
    // An event the user aborted does not come back within its own second.
    if (!m_dueEvent.isEmpty() && second != m_warnedAt &&
        formatTimeText(now.time().msecsSinceStartOfDay() / 1000) == m_dueEvent.DueTime) {
        if (!runsToday(m_dueEvent, m_schedule, now.date()))
            return;
        RemoveTrayIcon();
        hide();
        m_warnedAt = second;
        runWarning();
        FindDueEntry(); // at the time the warning closed
        return;
    }
    m_dueEvent = ::FindDueEntry(m_schedule, now);
}

void Form1::runWarning()
{
    FrmWarning warning(*this, m_dueEvent, m_services.power, m_services.sound);
    m_warningOpen = true;
    warning.exec();
    m_warningOpen = false;
    if (!warning.refusal().isEmpty())
        showMessage(this, tr("The system refused to carry out the event: %1").arg(warning.refusal()));
}

void Form1::setScheduleCheck(bool running)
{
    if (running)
        m_timechecker.start();
    else
        m_timechecker.stop();
}

void Form1::showMainWindow()
{
    showNormal();
}

QString Form1::countTimerText() const
{
    return CountTimer->text();
}

bool Form1::abortEnabled() const
{
    return checkValue(AbortBtn) == 1;
}

bool Form1::soundEnabled() const
{
    return checkValue(EventSound) == 1;
}

bool Form1::logEnabled() const
{
    return checkValue(LogFile) == 1;
}

void Form1::FindDueEntry()
{
    m_dueEvent = ::FindDueEntry(m_schedule, Clock::now());
}
