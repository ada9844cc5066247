#include "warningwindow.h"

#include "desktop/alwaysontop.h"
#include "desktop/twips.h"
#include "schedule/numbertext.h"
#include "sound.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A countdown that cannot be read as a number of seconds counts ten.
constexpr int FallbackSeconds = 10;

// Light colours of the window's own, with a disabled button's caption as readable as an
// enabled one's: with Abort off, the caption still shows the time left.
QPalette warningPalette()
{
    QPalette palette(QColor(240, 240, 240), QColor(240, 240, 240));
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    return palette;
}

} // namespace

WarningWindow::WarningWindow(WarningHost& host, const DueEvent& due, PowerActions& power, WarningSound& sound,
                             DesktopNotification& notification, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_host(host), m_due(due), m_power(power), m_sound(sound), m_notification(notification)
{
    setObjectName(QStringLiteral("FrmWarning"));
    setWindowTitle(tr("Warning...."));
    setModal(true);
    // The black and dark red of the label need a light background, whatever the theme.
    setPalette(warningPalette());
    setAutoFillBackground(true);

    m_label = new QLabel(tr("Computer is Going to Shutdown"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumSize(px(3135), px(375));

    m_abortButton = new QPushButton(tr("&Abort"), this);
    m_abortButton->setObjectName(QStringLiteral("btnAbort"));
    m_abortButton->setMinimumSize(px(1215), px(375));
    m_abortButton->setDefault(true);
    connect(m_abortButton, &QPushButton::clicked, this, &WarningWindow::abort);
    connect(&m_notification, &DesktopNotification::abortInvoked, this, &WarningWindow::abort);

    // The designed layout at the smallest; larger fonts and scales make the window grow.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(px(255), px(240), px(255), px(120));
    layout->setSpacing(px(345));
    layout->addWidget(m_label);
    layout->addWidget(m_abortButton, 0, Qt::AlignHCenter);

    m_countdownTimer.setInterval(1000);
    connect(&m_countdownTimer, &QTimer::timeout, this, &WarningWindow::countDown);

    begin();
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
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
    // Wide enough for the longest caption, so that the button keeps its size as it counts.
    m_abortButton->setText(tr("&Abort (%1)").arg(m_secondsLeft));
    m_abortButton->setMinimumWidth(
        std::max(m_abortButton->minimumWidth(), m_abortButton->sizeHint().width()));
    m_abortButton->setText(tr("&Abort"));
    announce();
}

void WarningWindow::announce()
{
    const QString left = m_secondsLeft == 1 ? tr("1 second left") : tr("%1 seconds left").arg(m_secondsLeft);
    setAccessibleDescription(m_label->text() + QStringLiteral(": ") + left);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    m_notification.show(m_label->text(), left, m_abortButton->isEnabled());
}

void WarningWindow::countDown()
{
    m_abortButton->setText(tr("&Abort (%1)").arg(m_secondsLeft));
    if (m_secondsLeft == 0) {
        // From here on the event goes ahead: nothing may look as if it could still stop it.
        m_abortButton->setEnabled(false);
        m_notification.close();
        SetAlwaysOnTop(this, false);
        m_countdownTimer.stop();
        const Completion completion = CompleteEvent(m_due, m_host, m_power);
        m_closeBlocked = false;
        if (completion.ended) {
            done(Accepted); // reached only where the program's end is caught (tests)
            return;
        }
        m_refusal = completion.refusal;
        finish(Outcome::Refused);
        return;
    }
    --m_secondsLeft;
    announce();
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
    if (m_abortButton->isEnabled())
        finish(Outcome::Aborted);
}

void WarningWindow::interruptBySleep()
{
    if (m_closeBlocked)
        finish(Outcome::Slept);
}

void WarningWindow::finish(Outcome outcome)
{
    m_outcome = outcome;
    m_closeBlocked = false;
    m_notification.close();
    SetAlwaysOnTop(this, false);
    m_countdownTimer.stop();
    m_host.setScheduleCheck(true);
    m_host.AddTrayIcon();
    done(Rejected);
    m_host.showMainWindow();
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
