#include "editwindow.h"

#include "desktop/clock.h"
#include "desktop/twips.h"
#include "schedule/schedulelist.h"
#include "schedule/timetext.h"
#include "scheduleselectors.h"

#include <QComboBox>
#include <QEvent>
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

EditWindow::EditWindow(ScheduleList& schedule, int position, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_schedule(schedule), m_entryId(schedule.id(position))
{
    setObjectName(QStringLiteral("ChangeTime"));
    setWindowTitle(tr("Edit Window"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    // The classic layout, widened where its text would be cut off in a wider font than
    // Tahoma (some labels, the event and frequency pick-lists), and by a column on the right
    // for the day of the week of a "Weekly" entry. The number pick-lists lose the 15 twips by
    // which they overlapped.
    setFixedSize(twips(0, 0, 6510, 2880).size());

    auto* frame = new QGroupBox(tr("Edit Settings"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips(338, 353, 5835, 2175));

    QFont bold = tahoma;
    bold.setBold(true);
    const auto label = [&](const char* name, const QString& caption, QRect geometry, QWidget* buddy) {
        auto* l = new QLabel(caption, frame);
        l->setObjectName(QLatin1String(name));
        l->setFont(bold);
        l->setGeometry(geometry);
        l->setBuddy(buddy);
    };
    const auto combo = [&](const char* name, QRect geometry) {
        auto* c = new QComboBox(frame);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(geometry);
        c->installEventFilter(this);
        return c;
    };
    m_hourBox = combo("cmbHour", twips(360, 480, 840, 315));
    m_minuteBox = combo("CmbMinute", twips(1200, 480, 840, 315));
    m_secondBox = combo("CmbSecond", twips(2040, 480, 840, 315));
    m_meridiemBox = combo("CmbAMPM", twips(2880, 480, 855, 315));
    m_statusBox = combo("CmbStatus", twips(360, 1200, 1215, 315));
    m_eventBox = combo("CmbEvent", twips(1590, 1200, 1335, 315));
    m_frequencyBox = combo("CmbFrequency", twips(2940, 1200, 1335, 315));
    m_weekdayBox = combo("CmbWeekday", twips(4290, 1200, 1440, 315));
    // Each label carries its selector's mnemonic, the same letter as on the main window.
    label("Label2", tr("&Hour"), twips(360, 240, 555, 195), m_hourBox);
    label("Label3", tr("&Minute"), twips(1200, 240, 675, 195), m_minuteBox);
    label("Label1", tr("Seco&nds"), twips(2040, 240, 795, 195), m_secondBox);
    label("Label5", tr("AM/&PM"), twips(3000, 240, 675, 195), m_meridiemBox);
    label("Label6", tr("&Status"), twips(360, 960, 630, 195), m_statusBox);
    label("Label8", tr("E&vent"), twips(1470, 960, 555, 195), m_eventBox);
    label("Label7", tr("Fre&quency"), twips(2940, 960, 990, 195), m_frequencyBox);
    label("LabelWeekday", tr("Da&y"), twips(4290, 960, 990, 195), m_weekdayBox);

    m_saveButton = new QPushButton(tr("S&ave"), frame);
    m_saveButton->setObjectName(QStringLiteral("Command1"));
    m_saveButton->setGeometry(twips(1590, 1680, 1095, 375));
    m_saveButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("&Cancel"), frame);
    m_cancelButton->setObjectName(QStringLiteral("Command2"));
    m_cancelButton->setGeometry(twips(3150, 1680, 1095, 375));
    // A focused button takes Enter itself, so Enter right after opening cancels; with a
    // selector focused Enter goes to the default button, Save.
    m_saveButton->setAutoDefault(true);
    m_cancelButton->setAutoDefault(true);
    connect(m_saveButton, &QPushButton::clicked, this, &EditWindow::save);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The tab order follows the rows, left to right, then the buttons.
    QWidget* const order[] = {m_hourBox,  m_minuteBox,    m_secondBox,  m_meridiemBox, m_statusBox,
                              m_eventBox, m_frequencyBox, m_weekdayBox, m_saveButton,  m_cancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    preset();
    m_cancelButton->setFocus();
}

void EditWindow::preset()
{
    const ScheduleSelectors selectors = this->selectors();
    selectors.fill(-1, Clock::now().date());
    m_hourBox->setCurrentIndex(0);
    m_minuteBox->setCurrentIndex(0);
    m_secondBox->setCurrentIndex(0);

    if (const int position = m_schedule.positionOf(m_entryId); position >= 0) {
        // The table's time text, "hh:mm:ss AM"; empty for a record that cannot be read, which
        // then opens at 01:00:00 rather than with empty selectors that would save another
        // unreadable record.
        const QString time = m_schedule.cell(position, ScheduleList::TimeColumn);
        presetIndex(m_hourBox, twoDigitsAt(time, 0) - 1);
        presetIndex(m_minuteBox, twoDigitsAt(time, 3));
        presetIndex(m_secondBox, twoDigitsAt(time, 6));
        m_meridiemBox->setCurrentText(time.mid(9, 2) == QLatin1String("AM") ? QStringLiteral("AM")
                                                                            : QStringLiteral("PM"));
        const ScheduleEntry entry = m_schedule.entry(position);
        m_statusBox->setCurrentText(entry.Status == QLatin1String("Enabled") ? QStringLiteral("Enabled")
                                                                             : QStringLiteral("Disabled"));
        // A value the selector does not offer leaves it empty.
        m_frequencyBox->setCurrentIndex(
            m_frequencyBox->findText(entry.Frequency, Qt::MatchExactly | Qt::MatchCaseSensitive));
        m_eventBox->setCurrentIndex(
            m_eventBox->findText(entry.Event, Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (m_schedule.recordDate(position).isValid())
            selectors.showWeekdayOf(m_schedule.recordDate(position));
    }
    m_saveButton->setEnabled(false);
}

void EditWindow::save()
{
    // The entry can go while the window is open (a due "Once" entry carried out); replacing
    // another one instead would lose it.
    const int position = m_schedule.positionOf(m_entryId);
    if (position < 0) {
        reject();
        return;
    }
    m_schedule.append(selectors().entry(Clock::now().date()));
    m_schedule.removeAt(position);
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
