#include "scheduleselectors.h"

#include "schedule/timetext.h"

#include <QComboBox>

void ScheduleSelectors::fill(int shownIndex) const
{
    const auto fillOne = [shownIndex](QComboBox* combo, const QStringList& items) {
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(shownIndex);
    };
    fillOne(cmbHour, Values::twoDigitNumbers(1, 12));
    fillOne(CmbMinute, Values::twoDigitNumbers(0, 59));
    fillOne(CmbSecond, Values::twoDigitNumbers(0, 59));
    fillOne(CmbAMPM, Values::Meridiems);
    fillOne(CmbStatus, Values::Statuses);
    fillOne(CmbFrequency, Values::Frequencies);
    fillOne(CmbEvent, Values::Events);
}

ScheduleEntry ScheduleSelectors::entry(const QDate& today) const
{
    const QString timeText = cmbHour->currentText() + QLatin1Char(':') + CmbMinute->currentText() +
                             QLatin1Char(':') + CmbSecond->currentText() + QLatin1Char(' ') +
                             CmbAMPM->currentText();
    return {makeRecordText(today, timeText), CmbStatus->currentText(), CmbFrequency->currentText(),
            CmbEvent->currentText()};
}
