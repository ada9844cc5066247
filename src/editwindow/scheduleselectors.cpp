#include "scheduleselectors.h"

#include "schedule/newentry.h"
#include "schedule/timetext.h"

#include <QComboBox>

namespace {

const QLatin1String Weekly("Weekly");

} // namespace

void ScheduleSelectors::fill(int shownIndex, const QDate& date, const QStringList& events) const
{
    // Each item shows its value in the user's language and keeps the stored value as its data.
    const auto fillOne = [shownIndex](QComboBox* combo, const QStringList& values) {
        combo->clear();
        for (const QString& value : values)
            combo->addItem(Values::displayName(value), value);
        combo->setCurrentIndex(shownIndex);
    };
    fillOne(hour, Values::twoDigitNumbers(1, 12));
    fillOne(minute, Values::twoDigitNumbers(0, 59));
    fillOne(second, Values::twoDigitNumbers(0, 59));
    fillOne(meridiem, Values::Meridiems);
    fillOne(status, Values::Statuses);
    fillOne(frequency, Values::Frequencies);
    fillOne(event, events);
    weekday->clear();
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        weekday->addItem(weekdayName(day));
    showWeekdayOf(date);
    const auto followFrequency = [box = weekday, frequency = frequency] {
        box->setEnabled(frequency->currentData().toString() == Weekly);
    };
    QObject::connect(frequency, &QComboBox::currentIndexChanged, weekday, followFrequency);
    followFrequency();
}

void ScheduleSelectors::showWeekdayOf(const QDate& date) const
{
    weekday->setCurrentIndex(date.isValid() ? date.dayOfWeek() - Qt::Monday : -1);
}

QString ScheduleSelectors::value(const QComboBox* combo)
{
    return combo->currentData().toString();
}

void ScheduleSelectors::show(QComboBox* combo, const QString& value)
{
    combo->setCurrentIndex(combo->findData(value));
}

ScheduleEntry ScheduleSelectors::entry(const QDate& today) const
{
    const QString timeText = value(hour) + QLatin1Char(':') + value(minute) + QLatin1Char(':') +
                             value(second) + QLatin1Char(' ') + value(meridiem);
    return newEntry(today, timeText, value(status), value(frequency), value(event),
                    weekday->currentIndex() + Qt::Monday);
}
