#pragma once

#include "desktop/startup.h"
#include "execution/shutdown.h"
#include "execution/sound.h"
#include "scheduler/scheduler.h"

// What a scheduler loaded only to read or change the settings file, while no instance runs,
// has of the platform: it offers the events the system can carry out, but carries out none,
// plays no sound, and leaves start at login as it is.
class OfflineServices final : public PowerActions, public WarningSound, public StartupRegistration {
public:
    SchedulerServices services() { return {*this, *this, *this}; }

    QString RequestExitWindows(int) override { return QStringLiteral("not from the command line"); }
    bool canCarryOut(const QString& event) const override { return m_platform->canCarryOut(event); }
    void PlayWarningSound(bool) override {}
    QString SetStartupEntry() override { return {}; }
    QString ClearStartupEntry() override { return {}; }

private:
    std::unique_ptr<PowerActions> m_platform = createPowerActions();
};
