#include "entrywords.h"

#include "schedule/newentry.h"
#include "schedule/timetext.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// 1 Monday to 7 Sunday, or 0 for a word that names no day: in English, as are all the words
// of an entry in every language.
int weekdayNamed(const QString& word)
{
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        const QString name = QLocale::c().dayName(day);
        if (word.compare(name, Qt::CaseInsensitive) == 0 ||
            word.compare(name.left(3), Qt::CaseInsensitive) == 0)
            return day;
    }
    return 0;
}

} // namespace

QString EntryWords::valueNamed(const QString& word, const QStringList& values)
{
    for (const QString& value : values)
        if (word.compare(value, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

QString EntryWords::unknownEvent(const QString& word, const QStringList& events)
{
    return tr("Unknown event \"%1\": one of %2.").arg(word, events.join(QStringLiteral(", ")));
}

EntryWords::EntryWords(const QString& words, const QDate& today, const QStringList& events)
{
    QStringList rest = words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QString time = rest.isEmpty() ? QString() : rest.takeFirst();
    // "07:30:00 PM" is two words.
    if (!rest.isEmpty() && !valueNamed(rest.first(), Values::Meridiems).isEmpty())
        time += QLatin1Char(' ') + rest.takeFirst();
    const auto seconds = parseTimeText(time);
    if (!seconds) {
        m_error = tr("Bad time \"%1\": write it as hh:mm:ss AM or as HH:MM[:SS].").arg(time);
        return;
    }
    const QString frequency =
        rest.isEmpty() ? Values::Frequencies.first() : valueNamed(rest.first(), Values::Frequencies);
    const QString event = rest.size() < 2 ? Values::Events.first() : valueNamed(rest.at(1), events);
    const int day = rest.size() < 3 ? today.dayOfWeek() : weekdayNamed(rest.at(2));
    if (frequency.isEmpty())
        m_error = tr("Unknown frequency \"%1\": one of %2.")
                      .arg(rest.first(), Values::Frequencies.join(QStringLiteral(", ")));
    else if (event.isEmpty())
        m_error = unknownEvent(rest.at(1), events);
    else if (day == 0)
        m_error = tr("Unknown day of the week \"%1\": Monday to Sunday, or Mon to Sun.").arg(rest.at(2));
    else if (rest.size() > 2 && frequency != QLatin1String("Weekly"))
        m_error = tr("A day of the week \"%1\" goes only with Weekly.").arg(rest.at(2));
    else if (rest.size() > 3)
        m_error = tr("Unexpected \"%1\" after the day of the week.").arg(rest.at(3));
    else
        m_entry = newEntry(today, formatTimeText(*seconds), QStringLiteral("Enabled"), frequency, event, day);
}
