#include "warningwindow.h"

#include "desktop/alwaysontop.h"
#include "desktop/twips.h"
#include "scheduler/scheduler.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

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

WarningWindow::WarningWindow(Scheduler& scheduler, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_scheduler(scheduler)
{
    setObjectName(QStringLiteral("FrmWarning"));
    setWindowTitle(tr("Warning...."));
    setWindowModality(Qt::ApplicationModal);
    // The black and dark red of the label need a light background, whatever the theme, and so
    // do the buttons' captions (a dark theme's style draws dark buttons whatever the palette
    // says).
    setPalette(warningPalette());
    setAutoFillBackground(true);

    m_label = new QLabel(title(scheduler.countdownEvent().EventKind), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumSize(px(3135), px(375));

    m_abortButton = new QPushButton(this);
    m_abortButton->setObjectName(QStringLiteral("btnAbort"));
    m_abortButton->setMinimumSize(px(1215), px(375));
    m_abortButton->setDefault(true);
    connect(m_abortButton, &QPushButton::clicked, &scheduler, &Scheduler::abortCountdown);
    m_postponeButton = new QPushButton(tr("&Postpone %1 min").arg(Scheduler::DefaultPostponeMinutes), this);
    m_postponeButton->setObjectName(QStringLiteral("btnPostpone"));
    m_postponeButton->setMinimumSize(px(1215), px(375));
    m_postponeButton->setAutoDefault(false);
    connect(m_postponeButton, &QPushButton::clicked, &scheduler, [&scheduler] { scheduler.postpone(); });

    // The designed layout at the smallest; larger fonts and scales make the window grow.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(px(255), px(240), px(255), px(120));
    layout->setSpacing(px(345));
    layout->addWidget(m_label);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_abortButton);
    buttons->addWidget(m_postponeButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    for (QPushButton* button : {m_abortButton, m_postponeButton})
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background: #f0f0f0; color: black; border: 1px solid #767676; border-radius: 3px;"
            " padding: 0.25em 0.8em; } QPushButton:hover { background: #e5f1fb; }"
            " QPushButton:focus { border: 2px solid #0060c0; }"));
    connect(&scheduler, &Scheduler::countdownStepped, this, &WarningWindow::showCountdown);
    showCountdown();
    // Wide enough for the longest caption, so that the button keeps its size as it counts.
    m_abortButton->setMinimumWidth(
        std::max(m_abortButton->minimumWidth(), m_abortButton->sizeHint().width()));
    SetAlwaysOnTop(this, true);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

WarningWindow::~WarningWindow() = default;

QString WarningWindow::title(const QString& event)
{
    // A sentence for each event, so that a language can say each in its own way.
    static constexpr const char* Titles[][2] = {
        {"Shutdown", QT_TR_NOOP("Computer is Going to Shutdown")},
        {"Logoff", QT_TR_NOOP("Computer is Going to Logoff")},
        {"Reboot", QT_TR_NOOP("Computer is Going to Reboot")},
        {"PowerOff", QT_TR_NOOP("Computer is Going to PowerOff")},
        {"Suspend", QT_TR_NOOP("Computer is Going to Suspend")},
        {"Hibernate", QT_TR_NOOP("Computer is Going to Hibernate")},
        {"Lock", QT_TR_NOOP("Computer is Going to Lock")},
    };
    for (const auto& [name, text] : Titles)
        if (event == QLatin1String(name))
            return tr(text);
    return tr("Computer is Going to %1").arg(event);
}

QString WarningWindow::timeLeftText(int secondsLeft)
{
    return secondsLeft == 1 ? tr("1 second left") : tr("%1 seconds left").arg(secondsLeft);
}

void WarningWindow::showCountdown()
{
    const int left = m_scheduler.secondsLeft();
    m_abortButton->setText(tr("&Abort (%1)").arg(left));
    m_abortButton->setEnabled(m_scheduler.canAbort());
    m_postponeButton->setEnabled(m_scheduler.canAbort());
    setLabelColour(m_scheduler.isEmphasised() ? QColor(128, 0, 0) : QColor(Qt::black));
    setAccessibleDescription(m_label->text() + QStringLiteral(": ") + timeLeftText(left));
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    if (left == 0)
        SetAlwaysOnTop(this, false);
}

void WarningWindow::setLabelColour(const QColor& colour)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_label->setPalette(palette);
}

void WarningWindow::closeEvent(QCloseEvent* event)
{
    // While the countdown runs, every request to close the window is refused.
    event->setAccepted(!m_scheduler.isCountingDown());
}

void WarningWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
}

bool WarningWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The urgency hint, so that the taskbar draws attention to the warning, once it is on the
    // screen: a window manager ignores it for a window not yet mapped.
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QApplication::alert(this);
    }
    return QDialog::eventFilter(watched, event);
}

void WarningWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Another window was activated (a full-screen one, say): the countdown comes back to the
    // front, so that it is always seen and can always be answered.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() &&
        m_scheduler.isCountingDown())
        QTimer::singleShot(0, this, [this] {
            raise();
            activateWindow();
        });
}

void WarningWindow::reject()
{
    // Esc aborts exactly when the Abort button could.
    m_scheduler.abortCountdown();
}
