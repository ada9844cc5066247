#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Drives the next modal window from inside its own event loop: created before the code
// that opens the window, it waits until a modal window is active and focused, then hands
// it to `action`. A window the action leaves open is closed, and noted, so that a failing
// test ends instead of hanging.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> action) : m_action(std::move(action))
    {
        m_waited.start();
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start();
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool ran() const { return m_ran; }
    bool leftOpen() const { return m_leftOpen; }

private:
    void poll()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) {
            if (m_waited.elapsed() > 10000)
                m_poll.stop();
            return;
        }
        m_poll.stop();
        m_ran = true;
        window->activateWindow();
        if (QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            m_action(window);
        if (window->isVisible()) {
            m_leftOpen = true;
            window->close();
        }
    }

    std::function<void(QWidget*)> m_action;
    QTimer m_poll;
    QElapsedTimer m_waited;
    bool m_ran = false;
    bool m_leftOpen = false;
};
