#include "schedule/schedulelist.h"
#include "schedule/timetext.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

const QStringList Statuses = {QStringLiteral("Enabled"), QStringLiteral("Disabled"),
                              QStringLiteral("enabled")};

ScheduleEntry entryAt(int second, const QString& status)
{
    return {makeRecordText(QDate(2026, 12, 6), formatTimeText(second)), status, QStringLiteral("Daily"),
            QStringLiteral("Shutdown")};
}

} // namespace

// The record list, the table and the index of enabled times stay one through any sequence of
// appends, inserts and removals.
TEST(ScheduleList, StaysInStepThroughAnySequenceOfChanges)
{
    ScheduleList list;
    std::vector<ScheduleEntry> expected;
    QRandomGenerator random(20261206);
    for (int step = 0; step < 3000; ++step) {
        const int second = static_cast<int>(random.bounded(40)) * 2000;
        const auto p = static_cast<int>(random.bounded(static_cast<quint32>(expected.size() + 1)));
        const ScheduleEntry entry = entryAt(second, Statuses.at(random.bounded(3)));
        switch (expected.empty() ? 0 : random.bounded(3)) {
        case 0:
            list.append(entry);
            expected.push_back(entry);
            break;
        case 1:
            list.insert(p, entry);
            expected.insert(expected.begin() + p, entry);
            break;
        default:
            list.removeAt(std::min(p, list.count() - 1));
            expected.erase(expected.begin() + std::min(p, list.count()));
        }
        const auto firstEnabled = std::find_if(expected.begin(), expected.end(), [&](const ScheduleEntry& e) {
            return e.Status == u"Enabled" && e.SetTime == entry.SetTime;
        });
        ASSERT_EQ(list.firstEnabledAt(second),
                  firstEnabled == expected.end() ? -1 : firstEnabled - expected.begin())
            << step;
    }
    ASSERT_EQ(list.count(), static_cast<int>(expected.size()));
    ASSERT_EQ(list.rowCount(), list.count());
    for (int p = 0; p < list.count(); ++p) {
        const ScheduleEntry& e = expected[p];
        EXPECT_EQ(list.entry(p), e);
        const QStringList row = {e.SetTime.section(u' ', 1), e.Status, e.Frequency, e.Event};
        for (int column = 0; column < ScheduleList::ColumnCount; ++column)
            EXPECT_EQ(list.data(list.index(p, column)).toString(), row[column]);
    }
}

TEST(ScheduleList, AnUnreadableRecordKeepsItsPlaceAndIsNeverDue)
{
    ScheduleList list;
    list.append({QStringLiteral("not a date"), QStringLiteral("Enabled"), QStringLiteral("Daily"),
                 QStringLiteral("Reboot")});
    list.append(entryAt(19 * 3600 + 30 * 60, QStringLiteral("Enabled")));
    EXPECT_EQ(list.cell(0, ScheduleList::TimeColumn), QString());
    EXPECT_EQ(list.cell(0, ScheduleList::EventColumn), QStringLiteral("Reboot"));
    EXPECT_FALSE(list.secondsOfDay(0));
    EXPECT_FALSE(list.recordDate(0).isValid());
    EXPECT_EQ(list.firstEnabledAt(0), -1);
    EXPECT_EQ(list.secondsOfDay(1), 19 * 3600 + 30 * 60);
    EXPECT_EQ(list.recordDate(1), QDate(2026, 12, 6));
    EXPECT_EQ(list.firstEnabledAt(19 * 3600 + 30 * 60), 1);
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
