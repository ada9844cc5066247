#include "schedule/schedulelist.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

ScheduleEntry entryAt(const QString& time, const QString& frequency = QStringLiteral("Daily"))
{
    return {QStringLiteral("12/6/2026 ") + time, QStringLiteral("Enabled"), frequency,
            QStringLiteral("Shutdown")};
}

// The record list and the table are one: same count, and row p of the table shows the
// entry whose record is item p.
void expectInStep(const ScheduleList& list, const std::vector<ScheduleEntry>& expected)
{
    ASSERT_EQ(list.count(), static_cast<int>(expected.size()));
    ASSERT_EQ(list.rowCount(), list.count());
    for (int p = 0; p < list.count(); ++p) {
        ASSERT_EQ(list.entry(p), expected[p]);
        ASSERT_EQ(list.record(p), expected[p].SetTime);
        ASSERT_EQ(list.data(list.index(p, ScheduleList::StatusColumn)).toString(), expected[p].Status);
        ASSERT_EQ(list.cell(p, ScheduleList::FrequencyColumn), expected[p].Frequency);
        ASSERT_EQ(list.data(list.index(p, ScheduleList::EventColumn)).toString(), expected[p].Event);
        ASSERT_EQ(list.data(list.index(p, ScheduleList::TimeColumn)).toString(),
                  expected[p].SetTime.section(' ', 1));
    }
}

} // namespace

TEST(ScheduleList, StaysInStepThroughAnySequenceOfAppendsAndRemovals)
{
    ScheduleList list;
    std::vector<ScheduleEntry> expected;
    QRandomGenerator random(20261206);
    for (int step = 0; step < 2000; ++step) {
        if (expected.empty() || random.bounded(3) != 0) {
            const int second = static_cast<int>(random.bounded(86400));
            const QString time =
                QStringLiteral("%1:%2:%3 %4")
                    .arg((second / 3600) % 12 == 0 ? 12 : (second / 3600) % 12, 2, 10, QLatin1Char('0'))
                    .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                    .arg(second % 60, 2, 10, QLatin1Char('0'))
                    .arg(second < 43200 ? QStringLiteral("AM") : QStringLiteral("PM"));
            list.append(entryAt(time));
            expected.push_back(entryAt(time));
        } else {
            const int p = static_cast<int>(random.bounded(static_cast<quint32>(expected.size())));
            list.removeAt(p);
            expected.erase(expected.begin() + p);
        }
    }
    expectInStep(list, expected);
}

TEST(ScheduleList, RemovingAndInsertingShiftsLaterPositions)
{
    ScheduleList list;
    const ScheduleEntry a = entryAt(QStringLiteral("11:00:00 PM"));
    const ScheduleEntry b = entryAt(QStringLiteral("01:00:00 AM"), QStringLiteral("Once"));
    const ScheduleEntry c = entryAt(QStringLiteral("01:00:00 AM"), QStringLiteral("Weekly"));
    list.append(a);
    list.append(b);
    list.append(c);
    list.removeAt(0);
    expectInStep(list, {b, c});
    list.insert(0, a);
    expectInStep(list, {a, b, c});
    list.removeAt(2);
    list.removeAt(1);
    list.removeAt(0);
    expectInStep(list, {});
}

TEST(ScheduleList, KeepsTheParsedTimeAndAnUnreadableRecordKeepsItsPlace)
{
    ScheduleList list;
    list.append({QStringLiteral("not a date"), QStringLiteral("Enabled"), QStringLiteral("Daily"),
                 QStringLiteral("Reboot")});
    list.append(entryAt(QStringLiteral("07:30:00 PM")));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.cell(0, ScheduleList::TimeColumn), QString());
    EXPECT_EQ(list.cell(0, ScheduleList::EventColumn), QStringLiteral("Reboot"));
    EXPECT_FALSE(list.secondsOfDay(0));
    EXPECT_FALSE(list.recordDate(0).isValid());
    EXPECT_EQ(list.secondsOfDay(1), 19 * 3600 + 30 * 60);
    EXPECT_EQ(list.recordDate(1), QDate(2026, 12, 6));
    EXPECT_EQ(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Time"));
    EXPECT_EQ(list.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Event"));
}

TEST(ScheduleList, TheTableNamesTheDayOfAWeeklyEntryWhileItsFrequencyStaysWeekly)
{
    const struct {
        const char* record;
        const char* frequency;
        const char* shown;
    } rows[] = {
        {"12/11/2026 07:00:00 PM", "Weekly", "Weekly (Friday)"},
        {"1/3/2027 07:00:00 PM", "Weekly", "Weekly (Sunday)"},
        {"not a date", "Weekly", "Weekly"},
        {"12/11/2026 07:00:00 PM", "Daily", "Daily"},
        {"12/11/2026 07:00:00 PM", "weekly", "weekly"},
    };
    ScheduleList list;
    for (const auto& row : rows)
        list.append({QLatin1String(row.record), "Enabled", QLatin1String(row.frequency), "Reboot"});
    for (int p = 0; p < list.count(); ++p) {
        EXPECT_EQ(list.data(list.index(p, ScheduleList::FrequencyColumn)).toString(),
                  QLatin1String(rows[p].shown))
            << rows[p].record;
        EXPECT_EQ(list.entry(p).Frequency, QLatin1String(rows[p].frequency));
    }
}
