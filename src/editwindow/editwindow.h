#pragma once

#include <QDialog>

class QComboBox;
class QItemSelectionModel;
class QPushButton;
class ScheduleList;

// The Edit Window: changes the entry whose row is selected in the main window's table.
// It reads the selected row itself, once when it opens to preset its selectors and again
// at Save to know which entry to replace. Save moves the edited entry to the end of the
// schedule with today's date in its record; Cancel, Esc and the close box change nothing.
class EditWindow : public QDialog {
    Q_OBJECT

public:
    // `schedule` and `selection` (the main table's selection) must outlive the window.
    EditWindow(ScheduleList& schedule, QItemSelectionModel& selection, QWidget* parent = nullptr);

    // Fills the selectors and presets them from the selected entry (with no row selected,
    // the time shows 01:00:00 and the other selectors nothing). Save starts disabled.
    void preset();
    // Writes the entry back and closes. With no row selected by now nothing is changed.
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int selectedPosition() const;

    ScheduleList& m_schedule;
    QItemSelectionModel& m_selection;

    QComboBox* m_hourBox = nullptr;
    QComboBox* m_minuteBox = nullptr;
    QComboBox* m_secondBox = nullptr;
    QComboBox* m_meridiemBox = nullptr;
    QComboBox* m_statusBox = nullptr;
    QComboBox* m_eventBox = nullptr;
    QComboBox* m_frequencyBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
