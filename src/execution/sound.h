#pragma once

#include <memory>

// The warning clip of the countdown.
class WarningSound {
public:
    virtual ~WarningSound() = default;

    // Plays the built-in clip when `enabled`. Returns at once; a new play restarts the clip.
    // A missing player or audio output gives silence, never an error.
    virtual void PlayWarningSound(bool enabled) = 0;
};

// The platform's player: Qt Multimedia on Linux, sndPlaySoundA on Windows.
std::unique_ptr<WarningSound> createWarningSound();
