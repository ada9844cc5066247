#include "schedule/schedulecheck.h"
#include "schedule/schedulelist.h"

#include <gtest/gtest.h>

namespace {

const QDate Monday(2026, 12, 7);
const QDate Tuesday(2026, 12, 8);

void add(ScheduleList& list, const QString& record, const QString& status, const QString& frequency,
         const QString& event = QStringLiteral("Shutdown"))
{
    list.append({record, status, frequency, event});
}

QDateTime at(const QDate& date, int h, int m, int s, int ms = 0)
{
    return QDateTime(date, QTime(h, m, s, ms));
}

} // namespace

TEST(ScheduleCheck, FindsTheFirstEnabledEntryAtTheCurrentSecondWhateverItsDate)
{
    ScheduleList list;
    EXPECT_TRUE(FindDueEntry(list, at(Monday, 19, 30, 0)).isEmpty());

    add(list, QStringLiteral("1/1/2020 07:30:00 PM"), QStringLiteral("Disabled"), QStringLiteral("Daily"));
    add(list, QStringLiteral("1/1/2020 07:30:01 PM"), QStringLiteral("Enabled"), QStringLiteral("Daily"));
    add(list, QStringLiteral("3/3/2021 07:30:00 PM"), QStringLiteral("Enabled"), QStringLiteral("Once"),
        QStringLiteral("Reboot"));
    add(list, QStringLiteral("3/3/2021 07:30:00 PM"), QStringLiteral("Enabled"), QStringLiteral("Daily"),
        QStringLiteral("PowerOff"));
    add(list, QStringLiteral("3/3/2021 12:00:00 AM"), QStringLiteral("Enabled"), QStringLiteral("Daily"),
        QStringLiteral("Logoff"));

    const DueEvent due = FindDueEntry(list, at(Monday, 19, 30, 0, 900));
    EXPECT_EQ(due.DueTime, QStringLiteral("07:30:00 PM"));
    EXPECT_EQ(due.EventKind, QStringLiteral("Reboot"));
    EXPECT_EQ(due.Frequency, QStringLiteral("Once"));
    EXPECT_EQ(due.Position, QStringLiteral("2"));

    EXPECT_EQ(FindDueEntry(list, at(Monday, 0, 0, 0)).EventKind, QStringLiteral("Logoff"));
    EXPECT_TRUE(FindDueEntry(list, at(Monday, 12, 0, 0)).isEmpty()) << "noon is not midnight";
    EXPECT_TRUE(FindDueEntry(list, at(Monday, 19, 29, 59, 999)).isEmpty());
    EXPECT_EQ(FindDueEntry(list, at(Monday, 19, 30, 1)).Position, QStringLiteral("1"));
}

TEST(ScheduleCheck, StatusMustBeExactlyEnabledAndUnreadableRecordsNeverFallDue)
{
    ScheduleList list;
    add(list, QStringLiteral("1/1/2020 07:30:00 PM"), QStringLiteral("enabled"), QStringLiteral("Daily"));
    add(list, QStringLiteral("garbage"), QStringLiteral("Enabled"), QStringLiteral("Daily"));
    for (int s = 0; s < 24 * 3600; s += 1800)
        EXPECT_TRUE(FindDueEntry(list, at(Monday, 0, 0, 0).addSecs(s)).isEmpty());
    EXPECT_TRUE(FindDueEntry(list, at(Monday, 19, 30, 0)).isEmpty());
}

// The day test of each frequency on each day of a week, Monday first; a "Weekly" entry made
// on a Tuesday. An entry that is no longer in the list does not run.
TEST(ScheduleCheck, DayTestsByFrequency)
{
    ScheduleList list;
    add(list, QStringLiteral("12/8/2026 07:30:00 PM"), QStringLiteral("Enabled"), QStringLiteral("Weekly"));
    const std::pair<const char*, const char*> rows[] = {
        {"Weekly", "-x-----"}, {"WeekDays", "xxxxx--"}, {"Daily", "xxxxxxx"}, {"Once", "xxxxxxx"}};
    for (const auto& [frequency, days] : rows) {
        for (const QDate& monday : {Monday, Monday.addDays(14)}) {
            QString ran;
            for (int d = 0; d < 7; ++d)
                ran += runsToday({{}, {}, QLatin1String(frequency), QStringLiteral("0")}, list,
                                 monday.addDays(d))
                           ? u'x'
                           : u'-';
            EXPECT_EQ(ran.toStdString(), days) << frequency;
        }
    }
    EXPECT_FALSE(runsToday({{}, {}, QStringLiteral("Weekly"), QStringLiteral("1")}, list, Tuesday));
}
