#pragma once

#include "desktop/appicons.h"

#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeView;
class Scheduler;
struct ScheduleSelectors;

// The main window, a view of the scheduler: the Schedule tab shows the schedule and composes
// entries, and its buttons ask the scheduler to add, edit, delete, start and disable; the Misc
// Settings tab shows the options and changes them; Exit asks the program to end. A status
// line says what runs next. Closing the window asks for it to be hidden; the program goes on
// in the tray.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Scheduler& scheduler, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The Schedule tab's commands: Add, Edit (also a double-click on the table), Delete.
    void addEntry();
    // A "Once" entry for the chosen event, the chosen minutes from now.
    void addTimer();
    void editEntry();
    void deleteEntry();
    void viewLog();

signals:
    void hideRequested();
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildScheduleTab();
    QWidget* buildMiscTab();
    QWidget* buildAboutTab();
    ScheduleSelectors selectors() const;
    // Shows the scheduler's state: the buttons and the window's icon.
    void showStarted(bool started);
    void showOptions();
    // Hands the options the controls show to the scheduler.
    void changeOptions();
    void correctCountdownText();
    // A button's mnemonic works from any tab.
    void makeButtonMnemonicsWindowWide();
    int selectedPosition() const;
    void selectRow(int position);
    // Selects the row at `near` (or the last one) when the table has rows and none is selected.
    void keepARowSelected(int near);

    Scheduler& m_scheduler;

    QTabWidget* m_tabs = nullptr;
    QTreeView* m_table = nullptr;
    QComboBox* m_hourBox = nullptr;
    QComboBox* m_minuteBox = nullptr;
    QComboBox* m_secondBox = nullptr;
    QComboBox* m_meridiemBox = nullptr;
    QComboBox* m_statusBox = nullptr;
    QComboBox* m_frequencyBox = nullptr;
    QComboBox* m_weekdayBox = nullptr;
    QComboBox* m_eventBox = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_disableButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QSpinBox* m_timerMinutesBox = nullptr;
    QPushButton* m_timerButton = nullptr;
    QSpinBox* m_noticeBox = nullptr;
    QCheckBox* m_abortBox = nullptr;
    QCheckBox* m_startAtLoginBox = nullptr;
    QLineEdit* m_countdownEdit = nullptr;
    QCheckBox* m_soundBox = nullptr;
    QCheckBox* m_logBox = nullptr;
    QPushButton* m_viewLogButton = nullptr;
    QCheckBox* m_startMinimizedBox = nullptr;
};
