#pragma once

#include "completeevent.h"
#include "desktop/desktopnotification.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;
class WarningSound;

// What the warning window needs from the main window while it counts down.
class WarningHost : public CompletionHost {
public:
    // Starts or stops the main window's schedule check.
    virtual void setScheduleCheck(bool running) = 0;
    virtual void showMainWindow() = 0;
    virtual void AddTrayIcon() = 0;
    // The options as they stand when the warning opens.
    virtual QString countTimerText() const = 0;
    virtual bool abortEnabled() const = 0;
    // The sound option, read at every play.
    virtual bool soundEnabled() const = 0;
};

// The countdown before a due event is carried out: a small window above all others that
// counts down once a second, blinking and optionally sounding every two seconds, and that
// nothing but its Abort button (when the option allows it) can close. A desktop notification
// shows the same countdown, with an Abort action of its own when the button is enabled.
class WarningWindow : public QDialog {
    Q_OBJECT

public:
    WarningWindow(WarningHost& host, const DueEvent& due, PowerActions& power, WarningSound& sound,
                  DesktopNotification& notification, QWidget* parent = nullptr);

    // How the countdown ended: the event carried out (the program ends with it), refused by
    // the system, aborted by the user, or cut off by a sleep of the computer.
    enum class Outcome { Completed, Refused, Aborted, Slept };

    void countDown();
    void abort();
    // The computer slept while the countdown ran: the event is not carried out hours late.
    void interruptBySleep();

    int secondsLeft() const { return m_secondsLeft; }
    Outcome outcome() const { return m_outcome; }
    // Why the system refused the power action, when it did; empty otherwise.
    QString refusal() const { return m_refusal; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void begin();
    // Tells screen readers and the desktop's notification the time left.
    void announce();
    // Closes the window and gives the schedule back to the main window.
    void finish(Outcome outcome);
    void setLabelColour(const QColor& colour);

    WarningHost& m_host;
    DueEvent m_due;
    PowerActions& m_power;
    WarningSound& m_sound;
    DesktopNotification& m_notification;
    int m_secondsLeft = 0;
    bool m_closeBlocked = false;
    QString m_refusal;
    Outcome m_outcome = Outcome::Completed;
    QLabel* m_label = nullptr;
    QPushButton* m_abortButton = nullptr;
    QTimer m_countdownTimer;
};
