#include "schedulelist.h"

#include "desktop/clock.h"
#include "schedulecheck.h"
#include "timetext.h"

#include <QLocale>
#include <algorithm>

namespace {

// The selector's own text when `text` is one of its values: a schedule of a thousand entries
// then holds three texts shared by all instead of three copies each.
QString shared(const QString& text, const QStringList& values)
{
    const qsizetype found = values.indexOf(text);
    return found < 0 ? text : values.at(found);
}

} // namespace

ScheduleList::Row ScheduleList::makeRow(const ScheduleEntry& entry)
{
    Row row{{entry.SetTime, shared(entry.Status, Values::Statuses),
             shared(entry.Frequency, Values::Frequencies), shared(entry.Event, Values::Events)},
            std::nullopt,
            {}};
    if (const auto moment = parseRecordText(entry.SetTime)) {
        row.secondsOfDay = moment->secondsOfDay;
        row.date = moment->date;
    }
    return row;
}

void ScheduleList::append(const ScheduleEntry& entry)
{
    insert(count(), entry);
}

int ScheduleList::enabledSecond(const Row& row)
{
    const ScheduleEntry& e = row.entry;
    const bool runs = row.secondsOfDay && e.Status == QLatin1String("Enabled") &&
                      Values::Frequencies.contains(e.Frequency) && Values::Events.contains(e.Event);
    return runs ? *row.secondsOfDay : -1;
}

void ScheduleList::indexAdd(int position, int second)
{
    m_enabledSeconds.insert(m_enabledSeconds.begin() + position, second);
    if (second >= 0)
        m_enabledAscending.insert(
            std::upper_bound(m_enabledAscending.begin(), m_enabledAscending.end(), second), second);
}

void ScheduleList::indexRemove(int position)
{
    if (const int second = m_enabledSeconds.at(position); second >= 0)
        m_enabledAscending.erase(
            std::lower_bound(m_enabledAscending.begin(), m_enabledAscending.end(), second));
    m_enabledSeconds.erase(m_enabledSeconds.begin() + position);
}

void ScheduleList::insert(int position, const ScheduleEntry& entry, quint64 id)
{
    Q_ASSERT(position >= 0 && position <= count());
    beginInsertRows({}, position, position);
    Row row = makeRow(entry);
    row.id = id ? id : ++m_lastId;
    indexAdd(position, enabledSecond(row));
    m_rows.insert(m_rows.begin() + position, std::move(row));
    endInsertRows();
    emit entriesChanged();
}

void ScheduleList::removeAt(int position)
{
    Q_ASSERT(position >= 0 && position < count());
    beginRemoveRows({}, position, position);
    m_rows.erase(m_rows.begin() + position);
    indexRemove(position);
    endRemoveRows();
    emit entriesChanged();
}

void ScheduleList::replace(int position, const ScheduleEntry& entry)
{
    Q_ASSERT(position >= 0 && position < count());
    Row row = makeRow(entry);
    row.id = m_rows.at(position).id;
    indexRemove(position);
    indexAdd(position, enabledSecond(row));
    m_rows[position] = std::move(row);
    emit dataChanged(index(position, 0), index(position, ColumnCount - 1));
    emit entriesChanged();
}

void ScheduleList::skipRunOn(int position, const QDate& day)
{
    m_rows.at(position).skipped = day;
    emit dataChanged(index(position, NextRunColumn), index(position, NextRunColumn));
}

void ScheduleList::refreshNextRuns()
{
    if (count() > 0)
        emit dataChanged(index(0, NextRunColumn), index(count() - 1, NextRunColumn));
}

void ScheduleList::clear()
{
    beginResetModel();
    m_rows.clear();
    m_enabledSeconds.clear();
    m_enabledAscending.clear();
    endResetModel();
    emit entriesChanged();
}

int ScheduleList::positionOf(quint64 id) const
{
    const auto found =
        std::find_if(m_rows.begin(), m_rows.end(), [id](const Row& row) { return row.id == id; });
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

QString ScheduleList::whyNeverRuns(int position) const
{
    const Row& row = m_rows.at(position);
    if (!Values::Events.contains(row.entry.Event))
        return tr("the event \"%1\" is not one Lullwick knows").arg(row.entry.Event);
    if (!Values::Frequencies.contains(row.entry.Frequency))
        return tr("the frequency \"%1\" is not one Lullwick knows").arg(row.entry.Frequency);
    if (!row.secondsOfDay)
        return tr("its time \"%1\" cannot be read").arg(row.entry.SetTime);
    return {};
}

int ScheduleList::firstEnabledAt(int secondOfDay, int from) const
{
    const auto found = std::find(m_enabledSeconds.begin() + from, m_enabledSeconds.end(), secondOfDay);
    return found == m_enabledSeconds.end() ? -1 : static_cast<int>(found - m_enabledSeconds.begin());
}

std::optional<int> ScheduleList::nextEnabledSecond(int secondOfDay) const
{
    if (m_enabledAscending.empty())
        return std::nullopt;
    const auto found = std::lower_bound(m_enabledAscending.begin(), m_enabledAscending.end(), secondOfDay);
    return found == m_enabledAscending.end() ? m_enabledAscending.front() : *found;
}

QString ScheduleList::cell(int position, Column column) const
{
    const Row& row = m_rows.at(position);
    switch (column) {
    case TimeColumn:
        return row.secondsOfDay ? formatTimeText(*row.secondsOfDay) : QString();
    case StatusColumn:
        return row.entry.Status;
    case FrequencyColumn:
        return row.entry.Frequency;
    case EventColumn:
        return row.entry.Event;
    case NextRunColumn: {
        const QDateTime next = nextRunOf(*this, position, Clock::now());
        return next.isValid()
                   ? QLocale().dayName(next.date().dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         QLocale().toString(next.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         formatTimeText(next.time().msecsSinceStartOfDay() / 1000)
                   : QString();
    }
    case ColumnCount:
        break;
    }
    return {};
}

QStringList ScheduleList::widestTexts(Column column)
{
    const auto displayed = [](const QStringList& values) {
        QStringList names;
        for (const QString& value : values)
            names << Values::displayName(value);
        return names;
    };
    QStringList days;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        days << QLocale().dayName(day, QLocale::ShortFormat) + QLatin1Char(' ') +
                    QLocale().toString(QDate(2026, 12, 30), QLocale::ShortFormat) +
                    QStringLiteral(" 10:00:00 PM");
    switch (column) {
    case TimeColumn:
        return {QStringLiteral("10:00:00 PM")};
    case StatusColumn:
        return displayed(Values::Statuses);
    case FrequencyColumn: {
        QStringList names = displayed(Values::Frequencies);
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            names << tr("%1 (%2)").arg(Values::displayName(QStringLiteral("Weekly")), weekdayName(day));
        return names;
    }
    case EventColumn:
        return displayed(Values::Events);
    case NextRunColumn:
        return days;
    case ColumnCount:
        break;
    }
    return {};
}

int ScheduleList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int ScheduleList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScheduleList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    // A screen reader announces a row with all its cells.
    if (role == Qt::AccessibleTextRole && index.column() == TimeColumn) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << data(this->index(index.row(), column)).toString();
        cells.removeAll(QString());
        return cells.join(QStringLiteral(", "));
    }
    if (role != Qt::DisplayRole)
        return {};
    const Row& row = m_rows.at(index.row());
    // The table names the day of a "Weekly" entry, which the store keeps as its record's date.
    if (index.column() == FrequencyColumn && row.entry.Frequency == QLatin1String("Weekly") &&
        row.date.isValid())
        return tr("%1 (%2)").arg(Values::displayName(row.entry.Frequency), weekdayName(row.date.dayOfWeek()));
    const QString text = cell(index.row(), static_cast<Column>(index.column()));
    return index.column() == StatusColumn || index.column() == FrequencyColumn ||
                   index.column() == EventColumn
               ? Values::displayName(text)
               : text;
}

QVariant ScheduleList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList headers{tr("Time"), tr("Status"), tr("Frequency"), tr("Event"), tr("Next run")};
    return headers.value(section);
}
