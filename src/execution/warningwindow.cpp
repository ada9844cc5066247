#include "warningwindow.h"

#include "desktop/alwaysontop.h"
#include "desktop/twips.h"
#include "schedule/numbertext.h"
#include "sound.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

// A countdown that cannot be read as a number of seconds counts ten.
constexpr int FallbackSeconds = 10;

} // namespace

WarningWindow::WarningWindow(WarningHost& host, const DueEvent& due, PowerActions& power, WarningSound& sound,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_host(host), m_due(due), m_power(power), m_sound(sound)
{
    setObjectName(QStringLiteral("FrmWarning"));
    setWindowTitle(tr("Warning...."));
    setModal(true);
    setFixedSize(px(3645), px(1455));

    m_label = new QLabel(tr("Computer is Going to Shutdown"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(0, px(240), width(), px(375));

    m_abortButton = new QPushButton(tr("&Abort"), this);
    m_abortButton->setObjectName(QStringLiteral("btnAbort"));
    m_abortButton->setGeometry(twips(1215, 960, 1215, 375));
    m_abortButton->setDefault(true);
    connect(m_abortButton, &QPushButton::clicked, this, &WarningWindow::abort);

    m_countdownTimer.setInterval(1000);
    connect(&m_countdownTimer, &QTimer::timeout, this, &WarningWindow::countDown);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    begin();
}

void WarningWindow::begin()
{
    SetAlwaysOnTop(this, true);
    m_host.setScheduleCheck(false);
    const auto seconds = parseInt16(m_host.countTimerText());
    m_secondsLeft = seconds && *seconds >= 0 ? *seconds : FallbackSeconds;
    m_countdownTimer.start();
    m_label->setText(tr("Computer is Going to ") + m_due.EventKind);
    if (m_secondsLeft > 1)
        --m_secondsLeft;
    m_closeBlocked = true;
    m_abortButton->setEnabled(m_host.abortEnabled());
}

void WarningWindow::countDown()
{
    m_abortButton->setText(tr("&Abort (%1)").arg(m_secondsLeft));
    if (m_secondsLeft == 0) {
        // From here on the event goes ahead: nothing may look as if it could still stop it.
        m_abortButton->setEnabled(false);
        SetAlwaysOnTop(this, false);
        m_countdownTimer.stop();
        const Completion completion = CompleteEvent(m_due, m_host, m_power);
        m_closeBlocked = false;
        if (completion.ended) {
            done(Accepted); // reached only where the program's end is caught (tests)
            return;
        }
        m_refusal = completion.refusal;
        finish();
        done(Rejected);
        m_host.showMainWindow();
        return;
    }
    --m_secondsLeft;
    if (m_secondsLeft % 2 != 0) {
        setLabelColour(Qt::black);
    } else {
        setLabelColour(QColor(128, 0, 0));
        m_sound.PlayWarningSound(m_host.soundEnabled());
    }
}

void WarningWindow::setLabelColour(const QColor& colour)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_label->setPalette(palette);
}

void WarningWindow::abort()
{
    if (!m_abortButton->isEnabled())
        return;
    m_closeBlocked = false;
    finish();
    done(Rejected);
    m_host.showMainWindow();
}

void WarningWindow::finish()
{
    SetAlwaysOnTop(this, false);
    m_countdownTimer.stop();
    m_host.setScheduleCheck(true);
    m_host.AddTrayIcon();
}

void WarningWindow::closeEvent(QCloseEvent* event)
{
    // While the countdown runs, every request to close the window is refused.
    if (m_closeBlocked)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void WarningWindow::reject()
{
    // Esc aborts exactly when the Abort button could.
    abort();
}
