#include "schedule/numbertext.h"
#include "schedule/schedulecheck.h"
#include "schedule/schedulelist.h"
#include "schedule/timetext.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

// Midnight and noon, and every second of a day through a record and back; run in other locales too.
TEST(TimeText, EverySecondOfADayReadsBackInAnyLocale)
{
    const std::pair<int, const char*> rows[] = {
        {0, "12:00:00 AM"},     {1800, "12:30:00 AM"},  {3600, "01:00:00 AM"},  {43199, "11:59:59 AM"},
        {43200, "12:00:00 PM"}, {43259, "12:00:59 PM"}, {47109, "01:05:09 PM"}, {86399, "11:59:59 PM"}};
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(formatTimeText(seconds).toStdString(), text);
    EXPECT_EQ(makeRecordText(QDate(2025, 3, 7), formatTimeText(80100)), "3/7/2025 10:15:00 PM");
    for (int second = 0; second < SecondsPerDay; ++second) {
        const auto moment = parseRecordText(makeRecordText(QDate(2026, 12, 6), formatTimeText(second)));
        ASSERT_TRUE(moment && moment->secondsOfDay == second && moment->date == QDate(2026, 12, 6)) << second;
    }
}

// Older and looser records are read, garbage is not: "record|date seconds", "-" for none.
TEST(TimeText, ReadsOlderAndLooserRecordsButNoGarbage)
{
    for (const QString row :
         {"12/24/2025|2025-12-24 0", "7:05 pm|1899-12-30 68700", " 3/7/2025 22:15:00 |2025-03-07 80100",
          "03/07/2025 12:00:00 am|2025-03-07 0", "abc|-", "2/30/2025 01:00:00 AM|-", "1/1/2025 13:00:00 PM|-",
          "1/1/2025 00:00:00 AM|-", "1/1/2025 01:60:00 AM|-", "1/1/2025 01:00:00 AM x|-",
          "1/1/2025 24:00:00|-", "١/٢/2025 01:00:00 AM|-"}) {
        const auto moment = parseRecordText(row.section(u'|', 0, 0));
        EXPECT_EQ(moment ? moment->date.toString(Qt::ISODate) + u' ' + QString::number(moment->secondsOfDay)
                         : "-",
                  row.section(u'|', 1));
    }
}

// "text|number 16-bit integer (rounded half to even)", "-" for none.
TEST(NumberText, DecimalNumbersAndSixteenBitIntegers)
{
    for (const QString row :
         {" 7 |7 7", "2.5|2.5 2", "3.5|3.5 4", "-0.5|-0.5 0", "+.5|0.5 0", "1e2|100 100", "5.|5 5",
          "-32768|-32768 -32768", "32768|32768 -", "32767.5|32767.5 -", "1e999|inf -", "1e-999|0 0", "|- -",
          "1a|- -", ".|- -", "1,5|- -", "0x10|- -", "--1|- -"}) {
        const auto number = parseNumber(row.section(u'|', 0, 0));
        const auto integer = parseInt16(row.section(u'|', 0, 0));
        EXPECT_EQ((number ? QString::number(*number) : "-") + ' ' +
                      (integer ? QString::number(*integer) : "-"),
                  row.section(u'|', 1));
    }
}

// Each frequency on each day of a week, Monday first, for an entry made on a Tuesday a week before.
TEST(ScheduleCheck, DayTestsByFrequency)
{
    ScheduleList list;
    list.append({"12/8/2026 07:30:00 PM", "Enabled", "Weekly", "Shutdown"});
    const std::pair<const char*, const char*> rows[] = {
        {"Weekly", "-x-----"}, {"WeekDays", "xxxxx--"}, {"Daily", "xxxxxxx"}, {"Once", "xxxxxxx"}};
    for (const auto& [frequency, days] : rows) {
        std::string ran;
        for (int d = 0; d < 7; ++d)
            ran += runsToday({{}, {}, frequency, "0"}, list, QDate(2026, 12, 14).addDays(d)) ? 'x' : '-';
        EXPECT_EQ(ran, days) << frequency;
    }
    EXPECT_FALSE(runsToday({{}, {}, "Weekly", "1"}, list, QDate(2026, 12, 8))); // no longer in the list
}

// Records, table and the index of enabled times stay one through any changes; an unreadable record
// keeps its place and is never due; the table names the day of a "Weekly" entry.
TEST(ScheduleList, StaysInStepThroughAnySequenceOfChanges)
{
    ScheduleList list;
    std::vector<ScheduleEntry> expected;
    QRandomGenerator random(20261206);
    for (int step = 0; step < 3000; ++step) {
        const int second = int(random.bounded(41)) * 2000; // 80000: an unreadable record
        const ScheduleEntry entry{second == 80000 ? "garbage"
                                                  : makeRecordText({2026, 12, 11}, formatTimeText(second)),
                                  QStringList{"Enabled", "Disabled", "enabled"}.at(random.bounded(3)),
                                  step % 3 ? "Weekly" : "Daily", "Reboot"};
        const auto p = int(random.bounded(quint32(expected.size() + 1)));
        if (expected.empty() || random.bounded(3) != 0) {
            p == list.count() ? list.append(entry) : list.insert(p, entry);
            expected.insert(expected.begin() + p, entry);
        } else {
            list.removeAt(std::min(p, list.count() - 1));
            expected.erase(expected.begin() + std::min(p, list.count()));
        }
        const auto due = std::find_if(expected.begin(), expected.end(), [&](const ScheduleEntry& e) {
            return e.Status == u"Enabled" && e.SetTime == entry.SetTime && second != 80000;
        });
        ASSERT_EQ(list.firstEnabledAt(second), due == expected.end() ? -1 : due - expected.begin()) << step;
    }
    ASSERT_EQ(list.rowCount(), int(expected.size()));
    for (int p = 0; p < list.count(); ++p) {
        const ScheduleEntry& e = expected[p];
        const bool named = e.Frequency == u"Weekly" && e.SetTime != u"garbage";
        const QStringList row = {e.SetTime.section(u' ', 1), e.Status,
                                 named ? "Weekly (Friday)" : e.Frequency, e.Event};
        for (int column = 0; column < ScheduleList::NextRunColumn; ++column)
            EXPECT_EQ(list.data(list.index(p, column)).toString(), row[column]);
        EXPECT_EQ(list.entry(p), e);
    }
}
