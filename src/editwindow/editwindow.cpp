#include "editwindow.h"

#include "desktop/clock.h"
#include "desktop/messagebox.h"
#include "desktop/twips.h"
#include "schedule/timetext.h"
#include "scheduler/scheduler.h"
#include "scheduleselectors.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The number written by the two characters of `text` at `from` (counted from 0), or -1
// when they are not two digits.
int twoDigitsAt(const QString& text, int from)
{
    if (text.size() < from + 2 || !text[from].isDigit() || !text[from + 1].isDigit())
        return -1;
    return text[from].digitValue() * 10 + text[from + 1].digitValue();
}

// Selects item `index` when there is one; otherwise the selection stays as it is.
void presetIndex(QComboBox* combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

} // namespace

EditWindow::EditWindow(Scheduler& scheduler, int position, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_scheduler(scheduler), m_entryId(scheduler.schedule().id(position))
{
    setObjectName(QStringLiteral("ChangeTime"));
    setWindowTitle(tr("Edit Window"));

    auto* frame = new QGroupBox(tr("Edit Settings"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(0);
    // Two rows of labelled selectors, the time above, the rest below; the day of the week of
    // a "Weekly" entry last. Each label carries its selector's mnemonic, the same letter as
    // on the main window.
    const auto selector = [&](const char* name, const char* labelName, const QString& caption, int row,
                              int column) {
        auto* combo = new QComboBox;
        combo->setObjectName(QLatin1String(name));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->installEventFilter(this);
        auto* label = new QLabel(caption);
        label->setObjectName(QLatin1String(labelName));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setBuddy(combo);
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row + 1, column);
        return combo;
    };
    m_hourBox = selector("cmbHour", "Label2", tr("&Hour"), 0, 0);
    m_minuteBox = selector("CmbMinute", "Label3", tr("&Minute"), 0, 1);
    m_secondBox = selector("CmbSecond", "Label1", tr("Seco&nds"), 0, 2);
    m_meridiemBox = selector("CmbAMPM", "Label5", tr("AM/&PM"), 0, 3);
    m_statusBox = selector("CmbStatus", "Label6", tr("&Status"), 2, 0);
    m_eventBox = selector("CmbEvent", "Label8", tr("E&vent"), 2, 1);
    m_frequencyBox = selector("CmbFrequency", "Label7", tr("Fre&quency"), 2, 2);
    m_weekdayBox = selector("CmbWeekday", "LabelWeekday", tr("Da&y"), 2, 3);
    grid->setRowMinimumHeight(1, grid->rowMinimumHeight(1) + px(240));

    m_saveButton = new QPushButton(tr("S&ave"), this);
    m_saveButton->setObjectName(QStringLiteral("Command1"));
    m_saveButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("&Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* button : {m_saveButton, m_cancelButton})
        button->setMinimumSize(px(1095), px(375));
    // A focused button takes Enter itself, so Enter right after opening cancels; with a
    // selector focused Enter goes to the default button, Save.
    m_saveButton->setAutoDefault(true);
    m_cancelButton->setAutoDefault(true);
    connect(m_saveButton, &QPushButton::clicked, this, &EditWindow::save);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 4);
    grid->setRowMinimumHeight(3, grid->rowMinimumHeight(3) + px(240));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(338), px(353), px(338), px(353));
    layout->addWidget(frame);

    // The tab order follows the rows, left to right, then the buttons.
    QWidget* const order[] = {m_hourBox,  m_minuteBox,    m_secondBox,  m_meridiemBox, m_statusBox,
                              m_eventBox, m_frequencyBox, m_weekdayBox, m_saveButton,  m_cancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    preset();
    // The classic size is the smallest; larger fonts make the window grow.
    resize(sizeHint().expandedTo(twips(0, 0, 6510, 2880).size()));
    m_cancelButton->setFocus();
}

void EditWindow::preset()
{
    const ScheduleSelectors selectors = this->selectors();
    const ScheduleList& schedule = m_scheduler.schedule();
    const int position = schedule.positionOf(m_entryId);
    // The events the system can carry out, and the entry's own, which stays on offer for it.
    QStringList events = m_scheduler.offeredEvents();
    if (position >= 0 && Values::Events.contains(schedule.entry(position).Event) &&
        !events.contains(schedule.entry(position).Event))
        events << schedule.entry(position).Event;
    selectors.fill(-1, Clock::now().date(), events);
    m_hourBox->setCurrentIndex(0);
    m_minuteBox->setCurrentIndex(0);
    m_secondBox->setCurrentIndex(0);

    if (position >= 0) {
        // The table's time text, "hh:mm:ss AM"; empty for a record that cannot be read, which
        // then opens at 01:00:00 rather than with empty selectors that would save another
        // unreadable record.
        const QString time = schedule.cell(position, ScheduleList::TimeColumn);
        presetIndex(m_hourBox, twoDigitsAt(time, 0) - 1);
        presetIndex(m_minuteBox, twoDigitsAt(time, 3));
        presetIndex(m_secondBox, twoDigitsAt(time, 6));
        ScheduleSelectors::show(m_meridiemBox, time.mid(9, 2) == QLatin1String("AM") ? QStringLiteral("AM")
                                                                                     : QStringLiteral("PM"));
        const ScheduleEntry entry = schedule.entry(position);
        ScheduleSelectors::show(m_statusBox, entry.Status == QLatin1String("Enabled")
                                                 ? QStringLiteral("Enabled")
                                                 : QStringLiteral("Disabled"));
        // A value the selector does not offer leaves it empty.
        ScheduleSelectors::show(m_frequencyBox, entry.Frequency);
        ScheduleSelectors::show(m_eventBox, entry.Event);
        if (schedule.recordDate(position).isValid())
            selectors.showWeekdayOf(schedule.recordDate(position));
    }
    m_saveButton->setEnabled(false);
}

void EditWindow::save()
{
    // The entry can go while the window is open (a due "Once" entry carried out); replacing
    // another one instead would lose it.
    const QString error = m_scheduler.replaceEntry(m_entryId, selectors().entry(Clock::now().date()));
    if (!error.isEmpty()) {
        showMessage(this, error);
        reject();
        return;
    }
    accept();
}

ScheduleSelectors EditWindow::selectors() const
{
    return {m_hourBox,   m_minuteBox,    m_secondBox,  m_meridiemBox,
            m_statusBox, m_frequencyBox, m_weekdayBox, m_eventBox};
}

bool EditWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Entering any selector makes Save available, whether or not a value then changes.
    if (event->type() == QEvent::FocusIn && qobject_cast<QComboBox*>(watched))
        m_saveButton->setEnabled(true);
    return QDialog::eventFilter(watched, event);
}
