#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

// Made before the code that opens a modal window, hands it to `action` once it is active; closes,
// and notes, a window the action leaves open, so that a failing test ends instead of hanging.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> action)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this, action = std::move(action)] {
            QWidget* window = QApplication::activeModalWidget();
            if (!window)
                return;
            m_poll.stop();
            m_ran = true;
            window->activateWindow();
            if (QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
                action(window);
            m_leftOpen = window->isVisible();
            if (m_leftOpen)
                window->close();
        });
        m_poll.start(5);
    }
    bool ran() const { return m_ran; }
    bool leftOpen() const { return m_leftOpen; }

private:
    QTimer m_poll;
    bool m_ran = false;
    bool m_leftOpen = false;
};
