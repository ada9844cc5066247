#include "scheduleselectors.h"

#include "schedule/timetext.h"

#include <QComboBox>

namespace {

const QLatin1String Weekly("Weekly");

} // namespace

void ScheduleSelectors::fill(int shownIndex, const QDate& date) const
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
    weekday->clear();
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        weekday->addItem(weekdayName(day));
    showWeekdayOf(date);
    const auto followFrequency = [box = weekday](const QString& chosen) {
        box->setEnabled(chosen == Weekly);
    };
    QObject::connect(frequency, &QComboBox::currentTextChanged, weekday, followFrequency);
    followFrequency(frequency->currentText());
}

void ScheduleSelectors::showWeekdayOf(const QDate& date) const
{
    weekday->setCurrentIndex(date.isValid() ? date.dayOfWeek() - Qt::Monday : -1);
}

ScheduleEntry ScheduleSelectors::entry(const QDate& today) const
{
    const QString timeText = hour->currentText() + QLatin1Char(':') + minute->currentText() +
                             QLatin1Char(':') + second->currentText() + QLatin1Char(' ') +
                             meridiem->currentText();
    const int day = weekday->currentIndex() + Qt::Monday;
    const QDate date =
        frequency->currentText() == Weekly && day >= Qt::Monday ? nextDateOnWeekday(today, day) : today;
    return {makeRecordText(date, timeText), status->currentText(), frequency->currentText(),
            event->currentText()};
}
