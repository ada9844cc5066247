#include "mainwindow.h"

#include "desktop/appinfo.h"
#include "desktop/clock.h"
#include "desktop/freememory.h"
#include "desktop/messagebox.h"
#include "desktop/paths.h"
#include "desktop/programend.h"
#include "desktop/startup.h"
#include "desktop/tray.h"
#include "desktop/twips.h"
#include "editwindow/editwindow.h"
#include "editwindow/scheduleselectors.h"
#include "execution/eventlog.h"
#include "logviewer/logviewer.h"
#include "schedule/numbertext.h"
#include "schedule/schedulestore.h"
#include "schedule/timetext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>

namespace {

bool isEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

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

// A header that measures its sections in its own font. Qt's measures them in bold, for a
// highlighted section this table never shows, which maps a second font file for good.
class PlainHeader final : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation()).toString();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

// The classic window was 7245 twips wide; it is wider so that the selector row, with the day
// of the week of "Weekly" entries, and the table's "Weekly (Wednesday)" fit in any font.
constexpr int WindowWidth = 8910;
constexpr int ExtraWidth = WindowWidth - 7245;

// How late an entry whose second passed while the check was held up is still carried out.
constexpr int LateLimitSeconds = 60;
// Changes of a moment (an edit, typing a number) share one save.
constexpr int SaveDelayMs = 200;

const QString AboutText = QStringLiteral(
    "Shut down, power off, reboot or log off computer at scheduled time."
    "Warning sound and countdown during any scheduled Event. Log file to keep track of all the "
    "events.\n\nWritten by the Lullwick developers. Your feedback is always welcome");

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services), m_instance(Paths::instanceLock()), m_showRequests(Paths::settingsFile())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(AppTitle));
    setWindowIcon(appIcon(AppIcon::Started));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8);
    setFont(tahoma);
    setFixedSize(px(WindowWidth), px(7050));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(twips(120, 480, 6975 + ExtraWidth, 6015));
    auto* misc = new QWidget;
    auto* scheduleTab = new QWidget;
    auto* about = new QWidget;
    // Every mnemonic of the window differs from the others, on whichever tab it is.
    m_tabs->addTab(misc, tr("Misc Settin&gs"));
    m_tabs->addTab(scheduleTab, tr("S&chedule"));
    m_tabs->addTab(about, tr("Abou&t"));
    // Positions are given from the top of the tab control, the tab strip included.
    const int pageTop = m_tabs->tabBar()->sizeHint().height();
    buildMiscTab(misc, pageTop);
    buildScheduleTab(scheduleTab, pageTop);
    buildAboutTab(about, pageTop);
    m_tabs->setCurrentWidget(scheduleTab);

    connect(&m_planner, &CheckPlanner::tickDue, this, &MainWindow::checkTick);
    connect(&m_planner, &CheckPlanner::resumed, this, [this] {
        if (m_warning)
            m_warning->interruptBySleep();
    });
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &MainWindow::saveNow);
    connect(&m_planner, &CheckPlanner::statusChanged, this, &MainWindow::showPlanInTray);
    showPlanInTray(m_planner.status());
    connect(&m_services.tray, &Tray::showWindowRequested, this, &MainWindow::showFromTray);
    // A stored countdown text longer than the box takes is shown whole; it may be shortened.
    connect(m_countdownEdit, &QLineEdit::textEdited, this, &MainWindow::setCountdownText);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow()
{
    // The table's model goes first, as a member; the table must not measure it on the way out.
    m_table->setModel(nullptr);
}

void MainWindow::buildScheduleTab(QWidget* page, int pageTop)
{
    const auto at = [pageTop](int left, int top, int width, int height) {
        return twips(left, top, width, height).translated(0, -pageTop);
    };

    m_table = new QTreeView(page);
    m_table->setHeader(new PlainHeader(Qt::Horizontal, m_table));
    m_table->setObjectName(QStringLiteral("mainListview"));
    m_table->setAccessibleName(tr("Schedule"));
    m_table->setGeometry(at(120, 450, 6735 + ExtraWidth, 3495));
    m_table->setModel(&m_schedule);
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setAllColumnsShowFocus(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->header()->setSectionsMovable(false);
    m_table->header()->setStretchLastSection(false);
    const int columnWidth = (m_table->width() - 2 * m_table->frameWidth() - 4) / ScheduleList::ColumnCount;
    for (int column = 0; column < ScheduleList::ColumnCount; ++column)
        m_table->setColumnWidth(column, columnWidth);
    m_table->viewport()->installEventFilter(this);
    m_table->installEventFilter(this);
    // Edit and Delete act on the selected row, so whenever the table has rows one of them is
    // selected: the first after loading, the one that takes a removed row's place, and the
    // current one again after a click that cleared the selection.
    connect(&m_schedule, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { keepARowSelected(first); });
    connect(&m_schedule, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int) { keepARowSelected(first); });
    connect(
        m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { keepARowSelected(m_table->currentIndex().row()); }, Qt::QueuedConnection);

    struct Selector {
        QComboBox*& combo;
        const char* name;
        const char* caption;
        int width;
    };
    // One row under the table, as wide as it, wide enough for the longest item of each in
    // any font. Each label carries its selector's mnemonic and names it for screen readers.
    const Selector selectors[] = {
        {m_hourBox, "cmbHour", QT_TR_NOOP("&Hour"), 720},
        {m_minuteBox, "CmbMinute", QT_TR_NOOP("&Minute"), 720},
        {m_secondBox, "CmbSecond", QT_TR_NOOP("Seco&nd"), 720},
        {m_meridiemBox, "CmbAMPM", QT_TR_NOOP("AM/&PM"), 765},
        {m_statusBox, "CmbStatus", QT_TR_NOOP("&Status"), 1230},
        {m_frequencyBox, "CmbFrequency", QT_TR_NOOP("Fre&quency"), 1395},
        {m_weekdayBox, "CmbWeekday", QT_TR_NOOP("Da&y"), 1500},
        {m_eventBox, "CmbEvent", QT_TR_NOOP("E&vent"), 1350},
    };
    int left = 120;
    int labelNumber = 2;
    for (const Selector& s : selectors) {
        s.combo = new QComboBox(page);
        s.combo->setObjectName(QLatin1String(s.name));
        s.combo->setGeometry(at(left, 4650, s.width, 330));
        auto* label = new QLabel(tr(s.caption), page);
        label->setObjectName(s.combo == m_weekdayBox ? QStringLiteral("LabelWeekday")
                                                     : QStringLiteral("Label%1").arg(labelNumber++));
        label->setGeometry(at(left, 4410, s.width, 225));
        label->setBuddy(s.combo);
        left += s.width;
    }

    struct Button {
        QPushButton*& button;
        const char* name;
        const char* caption;
        void (MainWindow::*handler)();
    };
    const Button buttons[] = {
        {m_addButton, "Command1", QT_TR_NOOP("&Add"), &MainWindow::addEntry},
        {m_editButton, "Command2", QT_TR_NOOP("&Edit"), &MainWindow::editEntry},
        {m_deleteButton, "Command3", QT_TR_NOOP("&Delete"), &MainWindow::deleteEntry},
        {m_startButton, "Startbtn", QT_TR_NOOP("Sta&rt"), &MainWindow::startScheduler},
        {m_disableButton, "disablebtn", QT_TR_NOOP("Disa&ble"), &MainWindow::disableScheduler},
        {m_exitButton, "Command4", QT_TR_NOOP("E&xit"), &MainWindow::exitProgram},
    };
    left = 615 + ExtraWidth / 2;
    for (const Button& b : buttons) {
        b.button = new QPushButton(tr(b.caption), page);
        b.button->setObjectName(QLatin1String(b.name));
        b.button->setGeometry(at(left, 5370, 960, 375));
        b.button->installEventFilter(this);
        connect(b.button, &QPushButton::clicked, this, b.handler);
        left += 960;
    }
    m_startButton->setEnabled(false);
}

void MainWindow::buildMiscTab(QWidget* page, int pageTop)
{
    auto* optionsFrame = new QGroupBox(page);
    optionsFrame->setObjectName(QStringLiteral("Frame1"));
    optionsFrame->setGeometry(twips(200, 480, 6690 + ExtraWidth, 5295).translated(0, -pageTop));
    // The options keep their classic places, centred in the wider frame.
    const auto at = [](int left, int top, int width, int height) {
        return twips(left + ExtraWidth / 2, top, width, height);
    };

    const auto checkBox = [optionsFrame](const char* name, const QString& caption, QRect geometry,
                                         bool checked) {
        auto* box = new QCheckBox(caption, optionsFrame);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(geometry);
        box->setChecked(checked);
        return box;
    };
    m_abortBox = checkBox("AbortBtn", tr("Enable Ab&ort Button"), at(1920, 960, 2895, 495), true);
    m_startAtLoginBox = checkBox("Check1", tr(StartAtLoginCaption), at(1920, 1680, 2895, 495), true);
    auto* countdownLabel = new QLabel(tr("Count Do&wn Timer"), optionsFrame);
    countdownLabel->setObjectName(QStringLiteral("Label9"));
    countdownLabel->setGeometry(at(1920, 2520, 1815, 285));
    m_countdownEdit = new QLineEdit(QStringLiteral("5"), optionsFrame);
    m_countdownEdit->setObjectName(QStringLiteral("CountTimer"));
    m_countdownEdit->setMaxLength(3);
    m_countdownEdit->setGeometry(at(4440, 2505, 495, 315));
    m_countdownEdit->installEventFilter(this);
    countdownLabel->setBuddy(m_countdownEdit);
    m_soundBox = checkBox("EventSound", tr("Enable So&und on Event"), at(1920, 3000, 2895, 375), false);
    m_logBox = checkBox("LogFile", tr("Log &File"), at(1920, 3600, 2895, 285), true);
    m_viewLogButton = new QPushButton(tr("V&iew"), optionsFrame);
    m_viewLogButton->setObjectName(QStringLiteral("VlogFile"));
    m_viewLogButton->setGeometry(at(4920, 3540, 855, 375));
    m_startMinimizedBox = checkBox("StartMin", tr("Minimi&ze on Startup"), at(1920, 4080, 2895, 285), false);

    // Thin lines between the options.
    for (int top : {1560, 2340, 2910, 3465, 4000}) {
        auto* line = new QFrame(optionsFrame);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(at(1800, top, 4200, 30));
    }

    connect(m_startAtLoginBox, &QCheckBox::stateChanged, this, &MainWindow::startAtLoginChanged);
    m_viewLogButton->installEventFilter(this);
    connect(m_viewLogButton, &QPushButton::clicked, this, &MainWindow::viewLog);
}

void MainWindow::buildAboutTab(QWidget* page, int pageTop)
{
    auto* aboutFrame = new QGroupBox(page);
    aboutFrame->setObjectName(QStringLiteral("Frame2"));
    aboutFrame->setGeometry(twips(200, 480, 6690 + ExtraWidth, 5295).translated(0, -pageTop));
    m_versionLabel = new QLabel(tr("Lullwick v1.0"), aboutFrame);
    m_versionLabel->setObjectName(QStringLiteral("Label1"));
    m_versionLabel->setGeometry(twips(2085 + ExtraWidth / 2, 360, 3075, 285));
    m_versionLabel->setAlignment(Qt::AlignCenter);
    QFont bold = m_versionLabel->font();
    bold.setBold(true);
    m_versionLabel->setFont(bold);
    QPalette blue = m_versionLabel->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_versionLabel->setPalette(blue);
    m_aboutLabel = new QLabel(aboutFrame);
    m_aboutLabel->setObjectName(QStringLiteral("Label11"));
    m_aboutLabel->setWordWrap(true);
    m_aboutLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_aboutLabel->setGeometry(twips(360, 840, 6240 + ExtraWidth, 3000));
}

bool MainWindow::startUp()
{
    if (!m_instance.tryAcquire()) {
        showMessage(nullptr, tr("Program Already Running"));
        m_showRequests.askToShow();
        return false;
    }
    m_showRequests.listen();
    connect(&m_showRequests, &ShowRequestChannel::showRequested, this, &MainWindow::bringToFront);
    m_sessionEnd = std::make_unique<SessionEndWatcher>();
    connect(m_sessionEnd.get(), &SessionEndWatcher::saveRequested, this, &MainWindow::saveQuietly);
    connect(m_sessionEnd.get(), &SessionEndWatcher::sessionEnding, this, &MainWindow::onSessionEnding);
    selectors().fill(0, Clock::now().date());
    setSchedulerButtons(true);
    AddTrayIcon();
    LoadSettings();
    m_planner.start();
    m_aboutLabel->setText(AboutText);
    // Told while the scheduler already runs; the box does not hold it up.
    const QString storeProblem =
        m_loadError.isEmpty()
            ? scheduleWriteProblem(Paths::settingsFile())
            : tr("%1\n\nLullwick will not write over it while it runs, so changes made now are not saved.")
                  .arg(m_loadError);
    if (!storeProblem.isEmpty())
        showMessage(this, storeProblem);
    m_saveFailureTold = !storeProblem.isEmpty();
    tellEntriesThatNeverRun();
    // From now on every change is saved.
    connect(&m_schedule, &QAbstractItemModel::rowsInserted, this, &MainWindow::saveSoon);
    connect(&m_schedule, &QAbstractItemModel::rowsRemoved, this, &MainWindow::saveSoon);
    connect(&m_schedule, &QAbstractItemModel::dataChanged, this, &MainWindow::saveSoon);
    connect(&m_schedule, &QAbstractItemModel::modelReset, this, &MainWindow::saveSoon);
    for (QCheckBox* box : {m_soundBox, m_abortBox, m_startAtLoginBox, m_logBox, m_startMinimizedBox})
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::saveSoon);
    connect(m_countdownEdit, &QLineEdit::textChanged, this, &MainWindow::saveSoon);
    return true;
}

void MainWindow::tellEntriesThatNeverRun()
{
    constexpr int MaxNamed = 10;
    QStringList lines;
    int count = 0;
    for (int p = 0; p < m_schedule.count(); ++p) {
        const QString why = m_schedule.whyNeverRuns(p);
        if (why.isEmpty() || ++count > MaxNamed)
            continue;
        const ScheduleEntry entry = m_schedule.entry(p);
        lines << tr("Entry %1 (%2, %3, %4): %5")
                     .arg(p + 1)
                     .arg(entry.SetTime, entry.Frequency, entry.Event, why);
    }
    if (count > MaxNamed)
        lines << tr("and %n more.", nullptr, count - MaxNamed);
    if (!lines.isEmpty())
        showMessage(this, tr("These entries are kept as they are, but they will never run:\n\n%1")
                              .arg(lines.join(QLatin1Char('\n'))));
}

ScheduleSelectors MainWindow::selectors() const
{
    return {m_hourBox,   m_minuteBox,    m_secondBox,  m_meridiemBox,
            m_statusBox, m_frequencyBox, m_weekdayBox, m_eventBox};
}

void MainWindow::showAtStart()
{
    if (m_startMinimizedBox->isChecked() && !m_activatedOnce)
        hideToTray();
    else
        show();
    m_activatedOnce = true;
}

bool MainWindow::refusesClose(UnloadMode mode)
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

void MainWindow::unload()
{
    // Nothing may hold up a session that is ending; Exit has already asked about a failed save.
    saveQuietly();
    RemoveTrayIcon();
}

void MainWindow::onSessionEnding()
{
    // A running countdown refuses to be closed and its event goes ahead; what the user entered
    // is saved now, before the session's final kill, and an Abort ends the program.
    if (m_warning) {
        saveQuietly();
        m_sessionEnded = true;
        return;
    }
    refusesClose(UnloadMode::SessionEnd);
    unload();
    endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (refusesClose(m_unloading ? UnloadMode::ProgramUnload : UnloadMode::UserClose)) {
        event->ignore();
        return;
    }
    event->accept();
    unload();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_countdownEdit && event->type() == QEvent::FocusOut)
        correctCountdownText();
    else if (watched == m_table->viewport() && event->type() == QEvent::MouseButtonDblClick)
        editEntry();
    else if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event))) {
        // Enter opens the row in the table and presses a focused button, as Space does.
        if (watched == m_table) {
            editEntry();
            return true;
        }
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::hideToTray()
{
    // Without a notification area nothing could bring a hidden window back, so it is
    // minimised instead and stays reachable from the taskbar.
    if (m_services.tray.isAvailable())
        hide();
    else
        showMinimized();
}

void MainWindow::showFromTray()
{
    if (!isVisible() || isMinimized())
        showNormal();
}

void MainWindow::bringToFront()
{
    showFromTray();
    raise();
    activateWindow();
}

void MainWindow::setSchedulerButtons(bool started)
{
    m_startButton->setEnabled(!started);
    m_disableButton->setEnabled(started);
}

void MainWindow::switchSchedulerButtons(bool started)
{
    // Start and Disable, however pressed, hand the focus to each other rather than letting it
    // move on to Exit, where the next Space would end the program.
    QPushButton* const available = started ? m_disableButton : m_startButton;
    available->setEnabled(true);
    available->setFocus(Qt::OtherFocusReason);
    setSchedulerButtons(started);
}

void MainWindow::setStateIcon(AppIcon icon)
{
    m_iconState = icon;
    setWindowIcon(appIcon(icon));
}

void MainWindow::AddTrayIcon()
{
    m_services.tray.AddTrayIcon(windowIcon());
}

void MainWindow::RemoveTrayIcon()
{
    m_services.tray.RemoveTrayIcon();
}

void MainWindow::startScheduler()
{
    m_planner.start();
    switchSchedulerButtons(true);
    RemoveTrayIcon();
    setStateIcon(AppIcon::Started);
    AddTrayIcon();
}

void MainWindow::disableScheduler()
{
    switchSchedulerButtons(false);
    m_planner.stop();
    RemoveTrayIcon();
    setStateIcon(AppIcon::Disabled);
    AddTrayIcon();
}

void MainWindow::correctCountdownText()
{
    const auto number = parseNumber(m_countdownEdit->text());
    if (!number || *number < 0)
        setCountdownText(QStringLiteral("10"));
}

void MainWindow::setCountdownText(const QString& text)
{
    // Typing stays within three characters; a longer stored text is neither cut nor lengthened.
    m_countdownEdit->setMaxLength(std::max<int>(3, static_cast<int>(text.size())));
    if (m_countdownEdit->text() != text)
        m_countdownEdit->setText(text);
}

void MainWindow::startAtLoginChanged()
{
    applyStartup(checkValue(m_startAtLoginBox) == 1);
}

void MainWindow::applyStartup(bool enabled)
{
    const QString error =
        enabled ? m_services.startup.SetStartupEntry() : m_services.startup.ClearStartupEntry();
    if (!error.isEmpty())
        showMessage(this, error);
}

void MainWindow::exitProgram()
{
    // Unread options leave the box at its default, which must not overrule the stored choice;
    // a click on it in this run took effect at once.
    if (m_loadError.isEmpty())
        applyStartup(checkValue(m_startAtLoginBox) == 1);
    const QString error = saveQuietly();
    if (!error.isEmpty() && !askQuestion(this, tr("%1\n\nExit without saving the schedule?").arg(error),
                                         tr("&Exit Without Saving"), tr("&Stay")))
        return;
    RemoveTrayIcon();
    m_unloading = true;
    close();
    endProgram();
}

void MainWindow::addEntry()
{
    if (m_schedule.count() >= MaxScheduleEntries) {
        showMessage(this, tr("The schedule is full: it holds at most %1 entries.").arg(MaxScheduleEntries));
        return;
    }
    m_schedule.append(selectors().entry(Clock::now().date()));
}

void MainWindow::editEntry()
{
    if (m_schedule.count() == 0) {
        showMessage(this, tr("Nothing to Edit"));
        return;
    }
    const int position = selectedPosition();
    if (position < 0)
        return;
    EditWindow window(m_schedule, position, this);
    // Save puts the edited entry last; it stays the selected one.
    if (window.exec() == QDialog::Accepted)
        selectRow(m_schedule.count() - 1);
}

void MainWindow::deleteEntry()
{
    if (m_schedule.count() == 0) {
        showMessage(this, tr("Nothing to Delete"));
        return;
    }
    const int position = selectedPosition();
    if (position >= 0)
        m_schedule.removeAt(position);
}

void MainWindow::viewLog()
{
    viewLogFile(this);
}

int MainWindow::selectedPosition() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MainWindow::selectRow(int position)
{
    m_table->selectionModel()->setCurrentIndex(
        m_schedule.index(position, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindow::keepARowSelected(int near)
{
    if (m_schedule.count() > 0 && selectedPosition() < 0)
        selectRow(std::clamp(near, 0, m_schedule.count() - 1));
}

void MainWindow::saveSoon()
{
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

void MainWindow::saveNow()
{
    const QString error = saveQuietly();
    if (error.isEmpty()) {
        m_saveFailureTold = false;
        return;
    }
    // Told once, not at every change, until a save succeeds again.
    if (m_saveFailureTold)
        return;
    m_saveFailureTold = true;
    showMessage(this, error);
}

QString MainWindow::saveQuietly()
{
    if (!m_loadError.isEmpty())
        return tr("%1\nThe schedule is not saved over a file that could not be read.").arg(m_loadError);
    const OptionValues options{checkValue(m_soundBox),  checkValue(m_abortBox),
                               m_countdownEdit->text(), checkValue(m_startAtLoginBox),
                               checkValue(m_logBox),    checkValue(m_startMinimizedBox)};
    return saveSchedule(Paths::settingsFile(), m_schedule, options);
}

void MainWindow::LoadSettings()
{
    const StoredOptions stored = loadSchedule(Paths::settingsFile(), m_schedule);
    returnFreeMemory(); // the file's text and its parsed copy
    m_loadError = stored.error;
    if (stored.EventSound)
        setCheckValue(m_soundBox, *stored.EventSound);
    if (stored.AbortBtn)
        setCheckValue(m_abortBox, *stored.AbortBtn);
    if (stored.CountTimer)
        setCountdownText(*stored.CountTimer);
    if (stored.Startup)
        setCheckValue(m_startAtLoginBox,
                      *stored.Startup); // a change runs startAtLoginChanged, as a click would
    if (stored.LogFile)
        setCheckValue(m_logBox, *stored.LogFile);
    if (stored.StartMin)
        setCheckValue(m_startMinimizedBox, *stored.StartMin);
}

void MainWindow::checkTick(const QDateTime& uncheckedSince)
{
    const QDateTime now = Clock::now();
    if (uncheckedSince.isValid() && catchUp(uncheckedSince, now))
        return;
    const qint64 second = now.toSecsSinceEpoch();
    // An event the user aborted does not come back within its own second.
    if (!m_dueEvent.isEmpty() && second != m_warnedAt &&
        formatTimeText(now.time().msecsSinceStartOfDay() / 1000) == m_dueEvent.DueTime) {
        if (runsToday(m_dueEvent, m_schedule, now.date()))
            openWarning(second);
        return;
    }
    m_dueEvent = ::FindDueEntry(m_schedule, now);
}

bool MainWindow::catchUp(const QDateTime& since, const QDateTime& now)
{
    const QDateTime thisSecond = now.addMSecs(-now.time().msec());
    for (auto late = firstDueBetween(m_schedule, since, thisSecond); late;
         late = firstDueBetween(m_schedule, late->when.addSecs(1), thisSecond)) {
        const qint64 second = late->when.toSecsSinceEpoch();
        if (second == m_warnedAt)
            continue;
        if (late->when.secsTo(now) <= LateLimitSeconds) {
            m_dueEvent = late->due;
            openWarning(second);
            return true;
        }
        if (logEnabled())
            appendToEventLog(Paths::logFile(),
                             eventNoteLogLine(late->due.EventKind, QStringLiteral("missed"), late->when,
                                              QStringLiteral("Lullwick was held up past its time")));
    }
    return false;
}

void MainWindow::openWarning(qint64 second)
{
    RemoveTrayIcon();
    hide();
    m_warnedAt = second;
    runWarning();
    FindDueEntry(); // at the time the warning closed
}

void MainWindow::runWarning()
{
    const DueEvent due = m_dueEvent;
    const auto position = parseInt16(due.Position);
    const quint64 entryId =
        position && *position >= 0 && *position < m_schedule.count() ? m_schedule.id(*position) : 0;
    WarningWindow warning(*this, due, m_services.power, m_services.sound, m_services.notification);
    m_warning = &warning;
    warning.exec();
    m_warning = nullptr;
    if (warning.outcome() == WarningWindow::Outcome::Aborted)
        noteEventNotCarriedOut(due, entryId, QStringLiteral("aborted"));
    else if (warning.outcome() == WarningWindow::Outcome::Slept)
        noteEventNotCarriedOut(due, entryId, QStringLiteral("skipped"),
                               QStringLiteral("the computer was asleep"));
    if (m_sessionEnded) {
        unload();
        endProgram();
        return;
    }
    if (warning.outcome() == WarningWindow::Outcome::Refused)
        showMessage(this, tr("The system refused to carry out the event: %1").arg(warning.refusal()));
}

void MainWindow::noteEventNotCarriedOut(const DueEvent& due, quint64 entryId, const QString& what,
                                        const QString& reason)
{
    if (logEnabled())
        appendToEventLog(Paths::logFile(), eventNoteLogLine(due.EventKind, what, Clock::now(), reason));
    const int position = m_schedule.positionOf(entryId);
    if (position < 0)
        return;
    ScheduleEntry entry = m_schedule.entry(position);
    if (entry.Frequency == QLatin1String("Once")) {
        entry.Status = QStringLiteral("Disabled");
        m_schedule.replace(position, entry);
    }
}

void MainWindow::setScheduleCheck(bool running)
{
    if (running)
        m_planner.start();
    else
        m_planner.stop();
}

void MainWindow::showPlanInTray(const QString& status)
{
    m_services.tray.setToolTip(QString::fromLatin1(AppTitle) + QLatin1Char('\n') + status);
}

void MainWindow::showMainWindow()
{
    showNormal();
}

QString MainWindow::countTimerText() const
{
    return m_countdownEdit->text();
}

bool MainWindow::abortEnabled() const
{
    return checkValue(m_abortBox) == 1;
}

bool MainWindow::soundEnabled() const
{
    return checkValue(m_soundBox) == 1;
}

bool MainWindow::logEnabled() const
{
    return checkValue(m_logBox) == 1;
}

void MainWindow::FindDueEntry()
{
    m_dueEvent = ::FindDueEntry(m_schedule, Clock::now());
}
