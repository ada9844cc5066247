#include "frmwarning.h"

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

FrmWarning::FrmWarning(WarningHost& host, const DueEvent& due, PowerActions& power, WarningSound& sound,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_host(host), m_due(due), m_power(power), m_sound(sound)
{
    setObjectName(QStringLiteral("FrmWarning"));
    setWindowTitle(tr("Warning...."));
    setModal(true);
    setFixedSize(px(3645), px(1455));

    Label1 = new QLabel(tr("Computer is Going to Shutdown"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, px(240), width(), px(375));

    btnAbort = new QPushButton(tr("&Abort"), this);
    btnAbort->setObjectName(QStringLiteral("btnAbort"));
    btnAbort->setGeometry(twips(1215, 960, 1215, 375));
    btnAbort->setDefault(true);
    connect(btnAbort, &QPushButton::clicked, this, &FrmWarning::btnAbort_Click);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &FrmWarning::Timer1_Timer);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

void FrmWarning::Form_Load()
{
    SetAlwaysOnTop(this, true);
    m_host.setScheduleCheck(false);
    const auto seconds = parseInt16(m_host.countTimerText());
    m_secondsLeft = seconds && *seconds >= 0 ? *seconds : FallbackSeconds;
    Timer1.start();
    Label1->setText(tr("Computer is Going to ") + m_due.EventKind);
    if (m_secondsLeft > 1)
        --m_secondsLeft;
    m_closeBlocked = true;
    btnAbort->setEnabled(m_host.abortEnabled());
}

void FrmWarning::Timer1_Timer()
{
    btnAbort->setText(tr("&Abort (%1)").arg(m_secondsLeft));
    if (m_secondsLeft == 0) {
        // From here on the event goes ahead: nothing may look as if it could still stop it.
        btnAbort->setEnabled(false);
        SetAlwaysOnTop(this, false);
        Timer1.stop();
        const Completion completion = CompleteEvent(m_due, m_host, m_power);
        m_closeBlocked = false;
        if (completion.ended) {
            done(Accepted); // reached only where the program's end is caught (tests)
            return;
        }
        m_refusal = completion.refusal;
        Form_Unload();
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

void FrmWarning::setLabelColour(const QColor& colour)
{
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, colour);
    Label1->setPalette(palette);
}

void FrmWarning::btnAbort_Click()
{
    if (!btnAbort->isEnabled())
        return;
    m_closeBlocked = false;
    Form_Unload();
    done(Rejected);
    m_host.showMainWindow();
}

void FrmWarning::Form_Unload()
{
    SetAlwaysOnTop(this, false);
    Timer1.stop();
    m_host.setScheduleCheck(true);
    m_host.AddTrayIcon();
}

void FrmWarning::closeEvent(QCloseEvent* event)
{
    // While the countdown runs, every request to close the window is refused.
    if (m_closeBlocked)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void FrmWarning::reject()
{
    // Esc aborts exactly when the Abort button could.
    btnAbort_Click();
}
