#pragma once

#include "scheduleentry.h"

#include <QAbstractTableModel>
#include <QDate>
#include <optional>
#include <vector>

// The user's schedule in list order. It is both the record list (one record text per
// entry) and the table the main window shows (time text, status, frequency, event, and the
// next run), so the two always have the same length and order. Positions count from 0.
//
// Each entry's time of day and record date are read once, when the entry is added, so the
// schedule check never parses a record.
class ScheduleList : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TimeColumn, StatusColumn, FrequencyColumn, EventColumn, NextRunColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int count() const { return static_cast<int>(m_rows.size()); }
    void append(const ScheduleEntry& entry);
    // Puts an entry at position (0 to count()), moving later entries down by one. It keeps `id`
    // when given one (an entry put back where it was), otherwise it gets a new one.
    void insert(int position, const ScheduleEntry& entry, quint64 id = 0);
    void removeAt(int position);
    // Changes the entry at position in place; it keeps its id.
    void replace(int position, const ScheduleEntry& entry);
    void clear();

    // The run of the entry on `day` does not happen (an entry that runs on several days waits
    // for the next one); kept until the entry changes, not stored.
    void skipRunOn(int position, const QDate& day);
    QDate skippedDay(int position) const { return m_rows.at(position).skipped; }
    // The next runs shown have moved on with the clock.
    void refreshNextRuns();

    // Each entry's id, unique in this run, stays with it through changes of other entries, so
    // that a window can follow the entry it was opened for.
    quint64 id(int position) const { return m_rows.at(position).id; }
    // The position of the entry with `id`, or -1 when it is not in the list.
    int positionOf(quint64 id) const;

    ScheduleEntry entry(int position) const { return m_rows.at(position).entry; }
    QString record(int position) const { return m_rows.at(position).entry.SetTime; }
    // The text of a cell: the time text for TimeColumn (empty when the record cannot be read),
    // the date and time of the next run for NextRunColumn (empty when there is none within a
    // week), the entry's field otherwise. The table shows the same, except that a "Weekly"
    // entry's frequency names its day: "Weekly (Friday)".
    QString cell(int position, Column column) const;

    // The entry's time of day in seconds since midnight, or nothing for an unreadable record.
    std::optional<int> secondsOfDay(int position) const { return m_rows.at(position).secondsOfDay; }
    // The date in the entry's record; invalid for an unreadable record.
    QDate recordDate(int position) const { return m_rows.at(position).date; }

    // Whether the entry's event and frequency are ones this program carries out, and its
    // record can be read; an entry that is not (a later version's, or a hand-edited one) is
    // kept and saved as it is, but never runs. The reason is empty for one that can run.
    QString whyNeverRuns(int position) const;

    // Entries that run are those with a status of exactly "Enabled" that can run at all.
    // The position of the first such entry from position `from` on whose time of day is
    // `secondOfDay`, or -1. Looks only at a compact index kept with the entries.
    int firstEnabledAt(int secondOfDay, int from = 0) const;
    // The first time of day from `secondOfDay` on at which an enabled entry falls, going on
    // past midnight to the smallest one; nothing when no entry is enabled.
    std::optional<int> nextEnabledSecond(int secondOfDay) const;

    // The widest texts a column shows, so that a view can size it without reading every row.
    static QStringList widestTexts(Column column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // An entry was added, removed or changed (the table's next runs moving on is no change).
    void entriesChanged();

private:
    struct Row {
        ScheduleEntry entry;
        std::optional<int> secondsOfDay;
        QDate date;
        quint64 id = 0;
        QDate skipped = {};
    };
    static Row makeRow(const ScheduleEntry& entry);
    // The time of day at which the row runs when enabled, or -1 when it never runs.
    static int enabledSecond(const Row& row);
    void indexAdd(int position, int second);
    void indexRemove(int position);

    std::vector<Row> m_rows;
    quint64 m_lastId = 0;
    // Per position: the time of day of an enabled entry with a readable record, else -1.
    std::vector<int> m_enabledSeconds;
    // The same times of day of enabled entries, in ascending order.
    std::vector<int> m_enabledAscending;
};
