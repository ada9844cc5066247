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
    fillOne(hour, Values::twoDigitNumbers(1, 12));
    fillOne(minute, Values::twoDigitNumbers(0, 59));
    fillOne(second, Values::twoDigitNumbers(0, 59));
    fillOne(meridiem, Values::Meridiems);
    fillOne(status, Values::Statuses);
    fillOne(frequency, Values::Frequencies);
    fillOne(event, Values::Events);
}

ScheduleEntry ScheduleSelectors::entry(const QDate& today) const
{
    const QString timeText = hour->currentText() + QLatin1Char(':') + minute->currentText() +
                             QLatin1Char(':') + second->currentText() + QLatin1Char(' ') +
                             meridiem->currentText();
    return {makeRecordText(today, timeText), status->currentText(), frequency->currentText(),
            event->currentText()};
}
