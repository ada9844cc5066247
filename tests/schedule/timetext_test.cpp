#include "desktop/clock.h"
#include "schedule/timetext.h"

#include <gtest/gtest.h>

TEST(TimeText, TwelveHourClockAroundMidnightAndNoon)
{
    EXPECT_EQ(formatTimeText(0), QStringLiteral("12:00:00 AM"));
    EXPECT_EQ(formatTimeText(30 * 60), QStringLiteral("12:30:00 AM"));
    EXPECT_EQ(formatTimeText(3600), QStringLiteral("01:00:00 AM"));
    EXPECT_EQ(formatTimeText(12 * 3600), QStringLiteral("12:00:00 PM"));
    EXPECT_EQ(formatTimeText(13 * 3600 + 5 * 60 + 9), QStringLiteral("01:05:09 PM"));
    EXPECT_EQ(formatTimeText(SecondsPerDay - 1), QStringLiteral("11:59:59 PM"));

    // 12:30 AM lies before 01:00 AM in the day, and 12 PM is noon.
    const auto early = parseRecordText(u"1/1/2026 12:30:00 AM");
    const auto one = parseRecordText(u"1/1/2026 01:00:00 AM");
    const auto noon = parseRecordText(u"1/1/2026 12:00:00 PM");
    ASSERT_TRUE(early && one && noon);
    EXPECT_LT(early->secondsOfDay, one->secondsOfDay);
    EXPECT_EQ(early->secondsOfDay, 30 * 60);
    EXPECT_EQ(noon->secondsOfDay, 12 * 3600);
}

TEST(TimeText, EverySecondOfTheDayRoundTripsThroughARecord)
{
    const QDate date(2026, 12, 6);
    for (int second = 0; second < SecondsPerDay; ++second) {
        const QString record = makeRecordText(date, formatTimeText(second));
        const auto moment = parseRecordText(record);
        ASSERT_TRUE(moment) << record.toStdString();
        ASSERT_EQ(moment->secondsOfDay, second);
        ASSERT_EQ(moment->date, date);
    }
}

// Runs under several locales (see CMakeLists.txt): a record written today reads back as
// the same date and time, and its form does not follow the locale.
TEST(TimeText, RecordWrittenTodayReadsBackTheSameInAnyLocale)
{
    const QDateTime now = Clock::now();
    const int second = now.time().msecsSinceStartOfDay() / 1000;
    const QString record = makeRecordText(now.date(), formatTimeText(second));
    const auto moment = parseRecordText(record);
    ASSERT_TRUE(moment) << record.toStdString();
    EXPECT_EQ(moment->date, now.date());
    EXPECT_EQ(moment->secondsOfDay, second);
    EXPECT_EQ(makeRecordText(QDate(2025, 3, 7), QStringLiteral("10:15:00 PM")),
              QStringLiteral("3/7/2025 10:15:00 PM"));
}

TEST(TimeText, ReadsOlderAndLooserRecordsAndRejectsGarbage)
{
    const auto dateOnly = parseRecordText(u"12/24/2025");
    ASSERT_TRUE(dateOnly);
    EXPECT_EQ(dateOnly->date, QDate(2025, 12, 24));
    EXPECT_EQ(dateOnly->secondsOfDay, 0);

    const auto timeOnly = parseRecordText(u"7:05 pm");
    ASSERT_TRUE(timeOnly);
    EXPECT_EQ(timeOnly->secondsOfDay, 19 * 3600 + 5 * 60);

    const auto twentyFour = parseRecordText(u"3/7/2025 22:15:00");
    ASSERT_TRUE(twentyFour);
    EXPECT_EQ(twentyFour->secondsOfDay, 22 * 3600 + 15 * 60);

    for (const char16_t* bad : {u"", u"   ", u"abc", u"2/30/2025 01:00:00 AM", u"1/1/2025 13:00:00 PM",
                                u"1/1/2025 00:00:00 AM", u"1/1/2025 01:60:00 AM", u"1/1/2025 01:00:00 AM x",
                                u"1/1/2025 24:00:00", u"\u0661/\u0662/2025 01:00:00 AM"})
        EXPECT_FALSE(parseRecordText(bad)) << QString::fromUtf16(bad).toStdString();
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
