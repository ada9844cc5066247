#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class Scheduler;
struct ScheduleSelectors;

// The Edit Window: changes one entry of the schedule, the one it was opened for. It follows
// that entry by its id while it is open, whatever the scheduler adds, removes or puts back
// meanwhile. Save asks the scheduler to change the entry in its place, with today's date in
// its record; Cancel, Esc and the close box change nothing.
class EditWindow : public QDialog {
    Q_OBJECT

public:
    // Opens on the entry at `position`; `scheduler` must outlive the window.
    EditWindow(Scheduler& scheduler, int position, QWidget* parent = nullptr);

    // Fills the selectors and presets them from the entry (for an entry that is gone, the
    // time shows 01:00:00 and the other selectors nothing). Save starts disabled.
    void preset();
    // Writes the entry back and closes; tells the user when the entry is gone by now.
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScheduleSelectors selectors() const;

    Scheduler& m_scheduler;
    quint64 m_entryId;

    QComboBox* m_hourBox = nullptr;
    QComboBox* m_minuteBox = nullptr;
    QComboBox* m_secondBox = nullptr;
    QComboBox* m_meridiemBox = nullptr;
    QComboBox* m_statusBox = nullptr;
    QComboBox* m_eventBox = nullptr;
    QComboBox* m_frequencyBox = nullptr;
    QComboBox* m_weekdayBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
