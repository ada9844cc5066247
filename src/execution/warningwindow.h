#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Scheduler;

// The warning before a due event: a small window above all others that shows the scheduler's
// countdown (the event, the seconds left, dark red every other second) and that nothing but
// its Abort or Postpone button, when the option allows them, can close. It comes back to the
// front whenever another window is activated. The one who opens it closes it when the
// countdown ends.
class WarningWindow : public QDialog {
    Q_OBJECT

public:
    explicit WarningWindow(Scheduler& scheduler, QWidget* parent = nullptr);
    ~WarningWindow() override;

    // The text that says how long is left, for the notification and screen readers too.
    static QString timeLeftText(int secondsLeft);
    // What the warning says is coming: "Computer is Going to Reboot".
    static QString title(const QString& event);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    // Shows the countdown as the scheduler has it now.
    void showCountdown();
    void setLabelColour(const QColor& colour);

    Scheduler& m_scheduler;
    QLabel* m_label = nullptr;
    QPushButton* m_abortButton = nullptr;
    QPushButton* m_postponeButton = nullptr;
};
