#pragma once

#include <QObject>

// A single-shot timer for waiting until a moment of the program's clock. Created by
// Clock::newTimer(), so that tests can let the waiting pass without waiting.
class WakeTimer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Fires timeout() once, `ms` milliseconds from now; a new start replaces a pending one.
    virtual void start(qint64 ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void timeout();
};
