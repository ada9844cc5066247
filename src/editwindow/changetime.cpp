#include "changetime.h"

#include "desktop/twips.h"
#include "desktop/clock.h"
#include "schedule/schedulelist.h"
#include "schedule/timetext.h"
#include "scheduleselectors.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
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

ChangeTime::ChangeTime(ScheduleList& schedule, QItemSelectionModel& selection, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_schedule(schedule), m_selection(selection)
{
    setObjectName(QStringLiteral("ChangeTime"));
    setWindowTitle(tr("Edit Window"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    // The classic layout, widened where its text would be cut off in a wider font than
    // Tahoma: some labels, the event and frequency pick-lists, and with them the frame and
    // the window by 165 twips. The number pick-lists lose the 15 twips by which they overlapped.
    setFixedSize(twips(0, 0, 5055, 2880).size());

    auto* Frame1 = new QGroupBox(tr("Edit Settings"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(338, 353, 4380, 2175));

    QFont bold = tahoma;
    bold.setBold(true);
    const auto label = [&](const char* name, const QString& caption, QRect geometry, QWidget* buddy) {
        auto* l = new QLabel(caption, Frame1);
        l->setObjectName(QLatin1String(name));
        l->setFont(bold);
        l->setGeometry(geometry);
        l->setBuddy(buddy);
    };
    const auto combo = [&](const char* name, QRect geometry) {
        auto* c = new QComboBox(Frame1);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(geometry);
        c->installEventFilter(this);
        return c;
    };
    cmbHour = combo("cmbHour", twips(360, 480, 840, 315));
    CmbMinute = combo("CmbMinute", twips(1200, 480, 840, 315));
    CmbSecond = combo("CmbSecond", twips(2040, 480, 840, 315));
    CmbAMPM = combo("CmbAMPM", twips(2880, 480, 855, 315));
    CmbStatus = combo("CmbStatus", twips(360, 1200, 1215, 315));
    CmbEvent = combo("CmbEvent", twips(1590, 1200, 1335, 315));
    CmbFrequency = combo("CmbFrequency", twips(2940, 1200, 1335, 315));
    label("Label2", tr("Hour"), twips(360, 240, 555, 195), cmbHour);
    label("Label3", tr("Minute"), twips(1200, 240, 675, 195), CmbMinute);
    label("Label1", tr("Seconds"), twips(2040, 240, 795, 195), CmbSecond);
    label("Label5", tr("AM/PM"), twips(3000, 240, 675, 195), CmbAMPM);
    label("Label6", tr("Status"), twips(360, 960, 630, 195), CmbStatus);
    label("Label8", tr("Event"), twips(1470, 960, 555, 195), CmbEvent);
    label("Label7", tr("Frequency"), twips(2940, 960, 990, 195), CmbFrequency);

    Command1 = new QPushButton(tr("Save"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(840, 1680, 1095, 375));
    Command1->setDefault(true);
    Command2 = new QPushButton(tr("Cancel"), Frame1);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twips(2400, 1680, 1095, 375));
    // A focused button takes Enter itself, so Enter right after opening cancels; with a
    // selector focused Enter goes to the default button, Save.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ChangeTime::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    QWidget::setTabOrder(Command2, Command1);
    QWidget::setTabOrder(Command1, cmbHour);
    QWidget::setTabOrder(cmbHour, CmbMinute);
    QWidget::setTabOrder(CmbMinute, CmbAMPM);
    QWidget::setTabOrder(CmbAMPM, CmbStatus);
    QWidget::setTabOrder(CmbStatus, CmbFrequency);
    QWidget::setTabOrder(CmbFrequency, CmbEvent);
    QWidget::setTabOrder(CmbEvent, CmbSecond);

    Form_Load();
    Command2->setFocus();
}

void ChangeTime::Form_Load()
{
    const ScheduleSelectors selectors{cmbHour,   CmbMinute,    CmbSecond, CmbAMPM,
                                      CmbStatus, CmbFrequency, CmbEvent};
    selectors.fill(-1);
    cmbHour->setCurrentIndex(0);
    CmbMinute->setCurrentIndex(0);
    CmbSecond->setCurrentIndex(0);

    const int position = selectedPosition();
    if (position >= 0) {
        // The table's time text, "hh:mm:ss AM"; empty for a record that cannot be read, which
        // then opens at 01:00:00 rather than with empty selectors that would save another
        // unreadable record.
        const QString time = m_schedule.cell(position, ScheduleList::TimeColumn);
        presetIndex(cmbHour, twoDigitsAt(time, 0) - 1);
        presetIndex(CmbMinute, twoDigitsAt(time, 3));
        presetIndex(CmbSecond, twoDigitsAt(time, 6));
        CmbAMPM->setCurrentText(time.mid(9, 2) == QLatin1String("AM") ? QStringLiteral("AM")
                                                                      : QStringLiteral("PM"));
        const ScheduleEntry entry = m_schedule.entry(position);
        CmbStatus->setCurrentText(entry.Status == QLatin1String("Enabled") ? QStringLiteral("Enabled")
                                                                           : QStringLiteral("Disabled"));
        // A value the selector does not offer leaves it empty.
        CmbFrequency->setCurrentIndex(
            CmbFrequency->findText(entry.Frequency, Qt::MatchExactly | Qt::MatchCaseSensitive));
        CmbEvent->setCurrentIndex(CmbEvent->findText(entry.Event, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    Command1->setEnabled(false);
}

void ChangeTime::Command1_Click()
{
    const int position = selectedPosition();
    if (position < 0) {
        // The row was deselected while the window was open; replacing a guessed entry could
        // overwrite the wrong one.
        reject();
        return;
    }
    const ScheduleSelectors selectors{cmbHour,   CmbMinute,    CmbSecond, CmbAMPM,
                                      CmbStatus, CmbFrequency, CmbEvent};
    m_schedule.append(selectors.entry(Clock::now().date()));
    m_schedule.removeAt(position);
    accept();
}

bool ChangeTime::eventFilter(QObject* watched, QEvent* event)
{
    // Entering any selector makes Save available, whether or not a value then changes.
    if (event->type() == QEvent::FocusIn && qobject_cast<QComboBox*>(watched))
        Command1->setEnabled(true);
    return QDialog::eventFilter(watched, event);
}

int ChangeTime::selectedPosition() const
{
    if (m_selection.model() != &m_schedule)
        return -1;
    const QModelIndexList rows = m_selection.selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
