#pragma once

#include "desktop/waketimer.h"

#include <QObject>
#include <memory>

// The countdown before a due event, on the program's clock. It keeps one number, the seconds
// left until the event, which every view shows. It steps once a second; the steps that leave
// an odd number emphasise the warning (its text dark red, with the warning sound).
class Countdown : public QObject {
    Q_OBJECT

public:
    explicit Countdown(QObject* parent = nullptr);
    ~Countdown() override;

    // Counts down for a countdown option of `seconds`: the event is due that many seconds
    // from now, or, for 0 and 1, one second later than that.
    void begin(int seconds);
    void stop();
    bool isRunning() const { return m_running; }
    int secondsLeft() const { return m_secondsLeft; }
    bool isEmphasised() const { return m_emphasised; }

signals:
    // A second passed; at 0 the event is due.
    void stepped();

private:
    void step();

    std::unique_ptr<WakeTimer> m_timer;
    bool m_running = false;
    int m_secondsLeft = 0;
    bool m_emphasised = false;
};
