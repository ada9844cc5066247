#include "mainwindow.h"

#include "desktop/appinfo.h"
#include "desktop/clock.h"
#include "desktop/messagebox.h"
#include "desktop/startup.h"
#include "desktop/twips.h"
#include "editwindow/editwindow.h"
#include "editwindow/scheduleselectors.h"
#include "logviewer/logviewer.h"
#include "schedule/schedulelist.h"
#include "scheduler/scheduler.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
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

QFrame* separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The window's smallest size at the classic font, wide enough for the selector row with the
// day of the week of "Weekly" entries; larger fonts make it grow.
constexpr QSize DesignedSize = twips(0, 0, 8910, 7050).size();

const char* const AboutText = QT_TRANSLATE_NOOP(
    "MainWindow", "Shut down, power off, reboot or log off computer at scheduled time."
                  "Warning sound and countdown during any scheduled Event. Log file to keep track of all the "
                  "events.\n\nWritten by the Lullwick developers. Your feedback is always welcome");

} // namespace

MainWindow::MainWindow(Scheduler& scheduler, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_scheduler(scheduler)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(AppTitle));

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // Every mnemonic of the window differs from the others, on whichever tab it is.
    QWidget* scheduleTab = buildScheduleTab(); // first: the others' controls report to its table
    m_tabs->addTab(buildMiscTab(), tr("Misc Settin&gs"));
    m_tabs->addTab(scheduleTab, tr("S&chedule"));
    m_tabs->addTab(buildAboutTab(), tr("Abo&ut"));
    m_tabs->setCurrentWidget(scheduleTab);
    setCentralWidget(m_tabs);
    makeButtonMnemonicsWindowWide();

    auto* statusLine = new QLabel(scheduler.status());
    statusLine->setObjectName(QStringLiteral("StatusLine"));
    statusBar()->addWidget(statusLine, 1);
    statusBar()->setSizeGripEnabled(false);
    connect(&scheduler, &Scheduler::statusChanged, statusLine, &QLabel::setText);

    showStarted(scheduler.isStarted());
    showOptions();
    connect(&scheduler, &Scheduler::startedChanged, this, &MainWindow::showStarted);
    connect(&scheduler, &Scheduler::optionsChanged, this, &MainWindow::showOptions);

    resize(sizeHint().expandedTo(DesignedSize));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildScheduleTab()
{
    auto* page = new QWidget;
    m_table = new QTreeView;
    m_table->setHeader(new PlainHeader(Qt::Horizontal, m_table));
    m_table->setObjectName(QStringLiteral("mainListview"));
    m_table->setAccessibleName(tr("Schedule"));
    m_table->setModel(m_scheduler.model());
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setAllColumnsShowFocus(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->header()->setSectionsMovable(false);
    // Each column as wide as the widest text it can hold in the user's language and font (measured
    // once, not over every row); the last one takes what is left, and the window grows rather than
    // cut one off.
    int tableWidth = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ScheduleList::ColumnCount; ++column) {
        QStringList texts = ScheduleList::widestTexts(static_cast<ScheduleList::Column>(column));
        texts << m_table->model()->headerData(column, Qt::Horizontal).toString();
        int width = 0;
        for (const QString& text : texts)
            width = std::max(width, m_table->fontMetrics().horizontalAdvance(text) + 2 * px(120));
        m_table->setColumnWidth(column, width);
        tableWidth += width;
    }
    m_table->setMinimumWidth(tableWidth);
    m_table->header()->setStretchLastSection(true);
    m_table->setMinimumHeight(px(3495));
    m_table->viewport()->installEventFilter(this);
    m_table->installEventFilter(this);
    // Edit and Delete act on the selected row, so whenever the table has rows one of them is
    // selected: the first after loading, the one that takes a removed row's place, and the
    // current one again after a click that cleared the selection.
    connect(m_table->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { keepARowSelected(first); });
    connect(m_table->model(), &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int) { keepARowSelected(first); });
    connect(
        m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { keepARowSelected(m_table->currentIndex().row()); }, Qt::QueuedConnection);
    keepARowSelected(0);

    struct Selector {
        QComboBox*& combo;
        const char* name;
        const char* labelName;
        const char* caption;
    };
    // One row under the table; each label carries its selector's mnemonic and names it for
    // screen readers.
    const Selector selectorRow[] = {
        {m_hourBox, "cmbHour", "Label2", QT_TR_NOOP("&Hour")},
        {m_minuteBox, "CmbMinute", "Label3", QT_TR_NOOP("&Minute")},
        {m_secondBox, "CmbSecond", "Label4", QT_TR_NOOP("Seco&nd")},
        {m_meridiemBox, "CmbAMPM", "Label5", QT_TR_NOOP("AM/&PM")},
        {m_statusBox, "CmbStatus", "Label6", QT_TR_NOOP("&Status")},
        {m_frequencyBox, "CmbFrequency", "Label7", QT_TR_NOOP("Fre&quency")},
        {m_weekdayBox, "CmbWeekday", "LabelWeekday", QT_TR_NOOP("Da&y")},
        {m_eventBox, "CmbEvent", "Label8", QT_TR_NOOP("E&vent")},
    };
    auto* selectorGrid = new QGridLayout;
    selectorGrid->setVerticalSpacing(0);
    int column = 0;
    for (const Selector& s : selectorRow) {
        s.combo = new QComboBox;
        s.combo->setObjectName(QLatin1String(s.name));
        s.combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* label = new QLabel(tr(s.caption));
        label->setObjectName(QLatin1String(s.labelName));
        label->setBuddy(s.combo);
        selectorGrid->addWidget(label, 0, column);
        selectorGrid->addWidget(s.combo, 1, column++);
    }
    selectors().fill(0, Clock::now().date(), m_scheduler.offeredEvents());

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
        {m_startButton, "Startbtn", QT_TR_NOOP("Sta&rt"), nullptr},
        {m_disableButton, "disablebtn", QT_TR_NOOP("Disa&ble"), nullptr},
        {m_exitButton, "Command4", QT_TR_NOOP("E&xit"), nullptr},
    };
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const Button& b : buttons) {
        b.button = new QPushButton(tr(b.caption));
        b.button->setObjectName(QLatin1String(b.name));
        b.button->setMinimumSize(px(960), px(375));
        b.button->installEventFilter(this);
        if (b.handler)
            connect(b.button, &QPushButton::clicked, this, b.handler);
        buttonRow->addWidget(b.button);
    }
    buttonRow->addStretch();
    connect(m_startButton, &QPushButton::clicked, &m_scheduler, &Scheduler::start);
    connect(m_disableButton, &QPushButton::clicked, &m_scheduler, &Scheduler::stop);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitRequested);

    // Beside the entries at a time of day, one a number of minutes from now.
    auto* timerLabel = new QLabel(tr("Minutes from no&w"));
    timerLabel->setObjectName(QStringLiteral("LabelTimer"));
    m_timerMinutesBox = new QSpinBox;
    m_timerMinutesBox->setObjectName(QStringLiteral("TimerMinutes"));
    m_timerMinutesBox->setRange(1, Scheduler::MaxMinutesAhead);
    m_timerMinutesBox->setValue(30);
    m_timerMinutesBox->installEventFilter(this);
    timerLabel->setBuddy(m_timerMinutesBox);
    m_timerButton = new QPushButton(tr("Add &Timer"));
    m_timerButton->setObjectName(QStringLiteral("AddTimer"));
    m_timerButton->installEventFilter(this);
    connect(m_timerButton, &QPushButton::clicked, this, &MainWindow::addTimer);
    auto* timerRow = new QHBoxLayout;
    timerRow->addStretch();
    timerRow->addWidget(timerLabel);
    timerRow->addWidget(m_timerMinutesBox);
    timerRow->addWidget(m_timerButton);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_table, 1);
    layout->addLayout(selectorGrid);
    layout->addLayout(timerRow);
    layout->addSpacing(px(120));
    layout->addLayout(buttonRow);
    return page;
}

QWidget* MainWindow::buildMiscTab()
{
    auto* page = new QWidget;
    auto* optionsFrame = new QGroupBox;
    optionsFrame->setObjectName(QStringLiteral("Frame1"));
    const auto checkBox = [this](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption);
        box->setObjectName(QLatin1String(name));
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::changeOptions);
        return box;
    };
    m_abortBox = checkBox("AbortBtn", tr("Enable Ab&ort Button"));
    m_startAtLoginBox = checkBox("Check1", tr(StartAtLoginCaption));
    auto* countdownLabel = new QLabel(tr("Count Do&wn Timer"));
    countdownLabel->setObjectName(QStringLiteral("Label9"));
    m_countdownEdit = new QLineEdit;
    m_countdownEdit->setObjectName(QStringLiteral("CountTimer"));
    m_countdownEdit->setMaxLength(Options::CountdownTypedLength);
    // Room for a few digits more than the box takes when typed, so that a longer stored count shows.
    m_countdownEdit->setMaximumWidth(
        m_countdownEdit->minimumSizeHint().width() +
        m_countdownEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    m_countdownEdit->installEventFilter(this);
    countdownLabel->setBuddy(m_countdownEdit);
    connect(m_countdownEdit, &QLineEdit::textEdited, this, &MainWindow::changeOptions);
    m_soundBox = checkBox("EventSound", tr("Enable &Sound on Event"));
    m_logBox = checkBox("LogFile", tr("Log &File"));
    m_viewLogButton = new QPushButton(tr("V&iew"));
    m_viewLogButton->setObjectName(QStringLiteral("VlogFile"));
    m_viewLogButton->installEventFilter(this);
    connect(m_viewLogButton, &QPushButton::clicked, this, &MainWindow::viewLog);
    m_startMinimizedBox = checkBox("StartMin", tr("Minimi&ze on Startup"));
    auto* noticeLabel = new QLabel(tr("&Notify before an event"));
    noticeLabel->setObjectName(QStringLiteral("LabelNotice"));
    m_noticeBox = new QSpinBox;
    m_noticeBox->setObjectName(QStringLiteral("NoticeMinutes"));
    m_noticeBox->setRange(0, Options::MaxNoticeMinutes);
    m_noticeBox->setSuffix(tr(" min"));
    m_noticeBox->setSpecialValueText(tr("Never"));
    noticeLabel->setBuddy(m_noticeBox);
    connect(m_noticeBox, &QSpinBox::valueChanged, this, &MainWindow::changeOptions);

    // The options one below the other, with thin lines between them.
    auto* countdownRow = new QHBoxLayout;
    countdownRow->addWidget(countdownLabel);
    countdownRow->addWidget(m_countdownEdit);
    countdownRow->addStretch();
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(m_logBox);
    logRow->addWidget(m_viewLogButton);
    logRow->addStretch();
    auto* options = new QVBoxLayout(optionsFrame);
    options->setContentsMargins(px(1800), px(480), px(600), px(480));
    options->addWidget(m_abortBox);
    options->addWidget(separator());
    options->addWidget(m_startAtLoginBox);
    options->addWidget(separator());
    options->addLayout(countdownRow);
    options->addWidget(separator());
    options->addWidget(m_soundBox);
    options->addWidget(separator());
    options->addLayout(logRow);
    options->addWidget(separator());
    options->addWidget(m_startMinimizedBox);
    options->addWidget(separator());
    auto* noticeRow = new QHBoxLayout;
    noticeRow->addWidget(noticeLabel);
    noticeRow->addWidget(m_noticeBox);
    noticeRow->addStretch();
    options->addLayout(noticeRow);
    options->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(optionsFrame);
    return page;
}

QWidget* MainWindow::buildAboutTab()
{
    auto* page = new QWidget;
    auto* aboutFrame = new QGroupBox;
    aboutFrame->setObjectName(QStringLiteral("Frame2"));
    auto* versionLabel = new QLabel(tr("Lullwick v1.0"));
    versionLabel->setObjectName(QStringLiteral("Label1"));
    versionLabel->setAlignment(Qt::AlignCenter);
    QFont bold = versionLabel->font();
    bold.setBold(true);
    versionLabel->setFont(bold);
    // The title stands out in the desktop's own colour for it, readable on light and dark.
    versionLabel->setForegroundRole(QPalette::Link);
    auto* aboutLabel = new QLabel(tr(AboutText));
    aboutLabel->setObjectName(QStringLiteral("Label11"));
    aboutLabel->setWordWrap(true);
    aboutLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* about = new QVBoxLayout(aboutFrame);
    about->setContentsMargins(px(360), px(360), px(360), px(360));
    about->setSpacing(px(200));
    about->addWidget(versionLabel);
    about->addWidget(aboutLabel);
    about->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(aboutFrame);
    return page;
}

ScheduleSelectors MainWindow::selectors() const
{
    return {m_hourBox,   m_minuteBox,    m_secondBox,  m_meridiemBox,
            m_statusBox, m_frequencyBox, m_weekdayBox, m_eventBox};
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit hideRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_countdownEdit && event->type() == QEvent::FocusOut)
        correctCountdownText();
    else if (watched == m_table->viewport() && event->type() == QEvent::MouseButtonDblClick)
        editEntry();
    else if (watched == m_table && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteEntry();
        return true;
    } else if (event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent*>(event))) {
        // Enter opens the row in the table and presses a focused button, as Space does.
        if (watched == m_table) {
            editEntry();
            return true;
        }
        if (watched == m_timerMinutesBox) {
            addTimer();
            return true;
        }
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showStarted(bool started)
{
    // Start and Disable, however pressed, hand the focus to each other rather than letting it
    // move on to Exit, where the next Space would end the program.
    QPushButton* const available = started ? m_disableButton : m_startButton;
    const bool handOver = m_startButton->hasFocus() || m_disableButton->hasFocus();
    available->setEnabled(true);
    if (handOver)
        available->setFocus(Qt::OtherFocusReason);
    m_startButton->setEnabled(!started);
    m_disableButton->setEnabled(started);
    setWindowIcon(appIcon(started ? AppIcon::Started : AppIcon::Disabled));
}

void MainWindow::showOptions()
{
    const Options& options = m_scheduler.options();
    const QSignalBlocker blockers[] = {QSignalBlocker(m_soundBox),          QSignalBlocker(m_abortBox),
                                       QSignalBlocker(m_startAtLoginBox),   QSignalBlocker(m_logBox),
                                       QSignalBlocker(m_startMinimizedBox), QSignalBlocker(m_noticeBox)};
    setCheckValue(m_soundBox, options.EventSound);
    setCheckValue(m_abortBox, options.AbortBtn);
    setCheckValue(m_startAtLoginBox, options.Startup);
    setCheckValue(m_logBox, options.LogFile);
    setCheckValue(m_startMinimizedBox, options.StartMin);
    m_noticeBox->setValue(options.NoticeMinutes);
    // Typing stays within three characters; a longer stored text is neither cut nor lengthened.
    m_countdownEdit->setMaxLength(std::max<int>(Options::CountdownTypedLength, options.CountTimer.size()));
    if (m_countdownEdit->text() != options.CountTimer)
        m_countdownEdit->setText(options.CountTimer);
}

void MainWindow::changeOptions()
{
    Options options = m_scheduler.options();
    options.EventSound = checkValue(m_soundBox);
    options.AbortBtn = checkValue(m_abortBox);
    options.Startup = checkValue(m_startAtLoginBox);
    options.LogFile = checkValue(m_logBox);
    options.StartMin = checkValue(m_startMinimizedBox);
    options.NoticeMinutes = m_noticeBox->value();
    options.CountTimer = m_countdownEdit->text();
    m_scheduler.setOptions(options);
}

void MainWindow::correctCountdownText()
{
    const QString corrected = Options::correctedCountdown(m_countdownEdit->text());
    if (corrected == m_countdownEdit->text())
        return;
    m_countdownEdit->setText(corrected);
    changeOptions();
}

void MainWindow::addEntry()
{
    const QString error = m_scheduler.addEntry(selectors().entry(Clock::now().date()));
    if (!error.isEmpty())
        showMessage(this, error);
}

void MainWindow::addTimer()
{
    const QString error =
        m_scheduler.addEntryIn(m_timerMinutesBox->value(), ScheduleSelectors::value(m_eventBox));
    if (!error.isEmpty())
        showMessage(this, error);
}

void MainWindow::makeButtonMnemonicsWindowWide()
{
    // A button on another tab than the one shown answers its mnemonic too; on its own tab it
    // answers it by itself.
    for (QPushButton* button : m_tabs->findChildren<QPushButton*>()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        QWidget* page = nullptr;
        for (int i = 0; i < m_tabs->count(); ++i)
            if (m_tabs->widget(i)->isAncestorOf(button))
                page = m_tabs->widget(i);
        if (mnemonic.isEmpty() || !page)
            continue;
        auto* shortcut = new QShortcut(mnemonic, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::animateClick);
        const auto follow = [this, shortcut, page] { shortcut->setEnabled(m_tabs->currentWidget() != page); };
        connect(m_tabs, &QTabWidget::currentChanged, shortcut, follow);
        follow();
    }
}

void MainWindow::editEntry()
{
    if (m_scheduler.schedule().count() == 0) {
        showMessage(this, tr("Nothing to Edit"));
        return;
    }
    const int position = selectedPosition();
    if (position < 0)
        return;
    EditWindow window(m_scheduler, position, this);
    window.exec();
}

void MainWindow::deleteEntry()
{
    if (m_scheduler.schedule().count() == 0) {
        showMessage(this, tr("Nothing to Delete"));
        return;
    }
    if (const int position = selectedPosition(); position >= 0)
        m_scheduler.removeEntry(position);
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
    m_table->selectionModel()->setCurrentIndex(m_table->model()->index(position, 0),
                                               QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
}

void MainWindow::keepARowSelected(int near)
{
    const int rows = m_table->model()->rowCount();
    if (rows > 0 && selectedPosition() < 0)
        selectRow(std::clamp(near, 0, rows - 1));
}
