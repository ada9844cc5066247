#include "desktop/clock.h"
#include "schedule/timetext.h"

#include <gtest/gtest.h>

// Midnight and noon on the 12-hour clock, both ways.
TEST(TimeText, TimesOfDayAroundMidnightAndNoonBothWays)
{
    const std::pair<int, const char*> rows[] = {
        {0, "12:00:00 AM"},
        {30 * 60, "12:30:00 AM"},
        {3600, "01:00:00 AM"},
        {11 * 3600 + 3599, "11:59:59 AM"},
        {12 * 3600, "12:00:00 PM"},
        {12 * 3600 + 59, "12:00:59 PM"},
        {13 * 3600 + 5 * 60 + 9, "01:05:09 PM"},
        {SecondsPerDay - 1, "11:59:59 PM"},
    };
    for (const auto& [seconds, text] : rows) {
        EXPECT_EQ(formatTimeText(seconds).toStdString(), text);
        const auto moment = parseRecordText(QStringLiteral("1/1/2026 ") + QLatin1String(text));
        ASSERT_TRUE(moment) << text;
        EXPECT_EQ(moment->secondsOfDay, seconds) << text;
    }
    for (int second = 0; second < SecondsPerDay; ++second) {
        const auto moment = parseRecordText(makeRecordText(QDate(2026, 12, 6), formatTimeText(second)));
        ASSERT_TRUE(moment && moment->secondsOfDay == second && moment->date == QDate(2026, 12, 6)) << second;
    }
}

// Also run under other locales (see CMakeLists.txt): a record's form does not follow the locale.
TEST(TimeText, RecordWrittenTodayReadsBackTheSameInAnyLocale)
{
    const QDateTime now = Clock::now();
    const int second = now.time().msecsSinceStartOfDay() / 1000;
    const auto moment = parseRecordText(makeRecordText(now.date(), formatTimeText(second)));
    ASSERT_TRUE(moment);
    EXPECT_EQ(moment->date, now.date());
    EXPECT_EQ(moment->secondsOfDay, second);
    EXPECT_EQ(makeRecordText(QDate(2025, 3, 7), formatTimeText(22 * 3600 + 15 * 60)),
              QStringLiteral("3/7/2025 10:15:00 PM"));
}

TEST(TimeText, OlderAndLooserRecordsAreReadAndGarbageIsNot)
{
    const struct {
        const char16_t* record;
        QDate date;
        int seconds;
    } rows[] = {
        {u"12/24/2025", QDate(2025, 12, 24), 0},
        {u"7:05 pm", QDate(1899, 12, 30), 19 * 3600 + 5 * 60},
        {u" 3/7/2025 22:15:00 ", QDate(2025, 3, 7), 22 * 3600 + 15 * 60},
        {u"03/07/2025 12:00:00 am", QDate(2025, 3, 7), 0},
    };
    for (const auto& row : rows) {
        const auto moment = parseRecordText(row.record);
        ASSERT_TRUE(moment) << QString::fromUtf16(row.record).toStdString();
        EXPECT_EQ(moment->date, row.date);
        EXPECT_EQ(moment->secondsOfDay, row.seconds);
    }
    for (const char16_t* garbage :
         {u"", u"   ", u"abc", u"2/30/2025 01:00:00 AM", u"1/1/2025 13:00:00 PM", u"1/1/2025 00:00:00 AM",
          u"1/1/2025 01:60:00 AM", u"1/1/2025 01:00:60 AM", u"1/1/2025 01:00:00 AM x", u"1/1/2025 24:00:00",
          u"\u0661/\u0662/2025 01:00:00 AM"})
        EXPECT_FALSE(parseRecordText(garbage)) << QString::fromUtf16(garbage).toStdString();
}

TEST(TimeText, NextDateOnAWeekdayCountsTodayAndCrossesTheYearEnd)
{
    const struct {
        QDate from;
        int dayOfWeek;
        QDate next;
    } rows[] = {
        {{2026, 12, 7}, Qt::Monday, {2026, 12, 7}},     // the same day: today
        {{2026, 12, 7}, Qt::Friday, {2026, 12, 11}},    // later in the week
        {{2026, 12, 7}, Qt::Sunday, {2026, 12, 13}},    // the end of the week
        {{2026, 12, 11}, Qt::Thursday, {2026, 12, 17}}, // a day already past: next week
        {{2026, 12, 29}, Qt::Monday, {2027, 1, 4}},     // over the year end
        {{2026, 12, 31}, Qt::Thursday, {2026, 12, 31}}, {{2026, 12, 31}, Qt::Friday, {2027, 1, 1}},
        {{2028, 2, 27}, Qt::Tuesday, {2028, 2, 29}}, // a leap day
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nextDateOnWeekday(row.from, row.dayOfWeek), row.next)
            << row.from.toString(Qt::ISODate).toStdString() << " " << row.dayOfWeek;
        EXPECT_EQ(row.next.dayOfWeek(), row.dayOfWeek);
    }
    EXPECT_EQ(weekdayName(Qt::Friday), QStringLiteral("Friday"));
}
