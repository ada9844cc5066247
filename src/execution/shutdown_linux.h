#pragma once

#include "shutdown.h"

#include <QDBusPendingCall>
#include <QTimer>
#include <chrono>

// Power actions through systemd-logind on the system bus. Every request is non-interactive:
// polkit decides from the session's rights and never asks for a password that nobody is there
// to type at night. A log-off is first handed to the desktop's session manager (KDE Plasma's,
// then GNOME's), as its own Log Out would be, so that programs can save their work; where no
// desktop takes it, logind ends the session at once, and where one does, logind ends it when
// this program still runs `logoffGrace` later.
class LogindPowerActions final : public PowerActions {
public:
    static constexpr std::chrono::milliseconds DefaultLogoffGrace = std::chrono::seconds(60);
    explicit LogindPowerActions(std::chrono::milliseconds logoffGrace = DefaultLogoffGrace);

    QString RequestExitWindows(int flags) override;
    // Suspend and Hibernate when logind's CanSuspend / CanHibernate says "yes" or "challenge",
    // asked as this is made and kept for the program's run; when logind cannot be asked,
    // everything (a request will then say why it fails).
    bool canCarryOut(const QString& event) const override;
    bool needsProgramToGoOn() const override { return m_logoffFallback.isActive(); }

private:
    struct Question {
        const char* event;
        const char* question;
    };
    static constexpr Question Questions[] = {{"Suspend", "CanSuspend"}, {"Hibernate", "CanHibernate"}};

    QTimer m_logoffFallback;
    mutable QDBusPendingCall m_answers[std::size(Questions)];
};
