#pragma once

#include <QString>
#include <memory>

// Makes the desktop start the program when the user logs in, or stops it from doing so.
// Each call returns an empty string on success and otherwise the error's message.
class StartupRegistration {
public:
    virtual ~StartupRegistration() = default;

    // Registers the running executable, rewriting an existing registration.
    virtual QString SetStartupEntry() = 0;
    // Removes the registration; removing one that is not there succeeds.
    virtual QString ClearStartupEntry() = 0;
};

// The platform's registration: an XDG autostart entry on Linux, the Run value on Windows.
std::unique_ptr<StartupRegistration> createStartupRegistration();

// The caption of the check box that asks for start at login, with its mnemonic, as this
// platform names the moment.
extern const char* const StartAtLoginCaption;
