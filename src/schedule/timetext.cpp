#include "timetext.h"

#include <QLocale>

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// A small cursor over the record text; every reader leaves the position unchanged on failure.
class Reader {
public:
    explicit Reader(QStringView text) : m_text(text) {}

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(' '))
            ++m_pos;
    }
    bool atEnd() const { return m_pos == m_text.size(); }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype pos) { m_pos = pos; }

    // One to maxDigits ASCII digits.
    std::optional<int> number(int maxDigits)
    {
        int value = 0;
        int digits = 0;
        while (m_pos < m_text.size() && digits < maxDigits && m_text[m_pos] >= QLatin1Char('0') &&
               m_text[m_pos] <= QLatin1Char('9')) {
            value = value * 10 + (m_text[m_pos].unicode() - '0');
            ++m_pos;
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        return value;
    }

    bool consume(QChar c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    // "AM" or "PM" in any letter case: 0 for AM, 12 for PM.
    std::optional<int> meridiem()
    {
        if (m_pos + 2 > m_text.size() || m_text[m_pos + 1].toUpper() != QLatin1Char('M'))
            return std::nullopt;
        const QChar first = m_text[m_pos].toUpper();
        if (first != QLatin1Char('A') && first != QLatin1Char('P'))
            return std::nullopt;
        m_pos += 2;
        return first == QLatin1Char('A') ? 0 : 12;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

std::optional<QDate> readDate(Reader& in)
{
    const qsizetype start = in.position();
    const auto month = in.number(2);
    if (month && in.consume(QLatin1Char('/'))) {
        const auto day = in.number(2);
        if (day && in.consume(QLatin1Char('/'))) {
            const auto year = in.number(4);
            if (year) {
                const QDate date(*year, *month, *day);
                if (date.isValid())
                    return date;
            }
        }
    }
    in.rewind(start);
    return std::nullopt;
}

std::optional<int> readTime(Reader& in)
{
    const qsizetype start = in.position();
    const auto hour = in.number(2);
    if (hour && in.consume(QLatin1Char(':'))) {
        const auto minute = in.number(2);
        if (minute && *minute < 60) {
            int second = 0;
            bool ok = true;
            if (in.consume(QLatin1Char(':'))) {
                const auto s = in.number(2);
                ok = s && *s < 60;
                second = s.value_or(0);
            }
            if (ok) {
                const qsizetype beforeMeridiem = in.position();
                in.skipBlanks();
                const auto pm = in.meridiem();
                int h = *hour;
                if (pm) {
                    ok = h >= 1 && h <= 12;
                    h = h % 12 + *pm;
                } else {
                    in.rewind(beforeMeridiem);
                    ok = h < 24;
                }
                if (ok)
                    return (h * 60 + *minute) * 60 + second;
            }
        }
    }
    in.rewind(start);
    return std::nullopt;
}

} // namespace

QString formatTimeText(int secondsOfDay)
{
    const int hour24 = secondsOfDay / 3600;
    const int minute = secondsOfDay / 60 % 60;
    const int second = secondsOfDay % 60;
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    return twoDigits(hour12) + QLatin1Char(':') + twoDigits(minute) + QLatin1Char(':') + twoDigits(second) +
           (hour24 < 12 ? QLatin1String(" AM") : QLatin1String(" PM"));
}

QString makeRecordText(const QDate& date, const QString& timeText)
{
    return QStringLiteral("%1/%2/%3 ").arg(date.month()).arg(date.day()).arg(date.year()) + timeText;
}

std::optional<RecordMoment> parseRecordText(QStringView record)
{
    Reader in(record);
    in.skipBlanks();
    const auto date = readDate(in);
    in.skipBlanks();
    const auto seconds = readTime(in);
    in.skipBlanks();
    if ((!date && !seconds) || !in.atEnd())
        return std::nullopt;
    return RecordMoment{date.value_or(QDate(1899, 12, 30)), seconds.value_or(0)};
}

std::optional<int> parseTimeText(QStringView text)
{
    Reader in(text);
    in.skipBlanks();
    const auto seconds = readTime(in);
    in.skipBlanks();
    return in.atEnd() ? seconds : std::nullopt;
}

QDate nextDateOnWeekday(const QDate& from, int dayOfWeek)
{
    return from.addDays((dayOfWeek - from.dayOfWeek() + 7) % 7);
}

QString weekdayName(int dayOfWeek)
{
    return QLocale().dayName(dayOfWeek, QLocale::LongFormat);
}
