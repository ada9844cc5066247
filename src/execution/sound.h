#pragma once

#include <QString>
#include <memory>

// The warning clip of the countdown.
class WarningSound {
public:
    virtual ~WarningSound() = default;

    // Writes the built-in clip to "warning.wav" in the current folder, replacing any file
    // there, and plays it when `enabled`. Returns at once; a new play restarts the clip.
    // A folder that cannot be written or a missing audio output gives silence, never an error.
    void PlayWarningSound(bool enabled);

protected:
    // Starts playing the file, stopping a clip that still plays.
    virtual void play(const QString& file) = 0;
};

// The platform's player: Qt Multimedia on Linux, sndPlaySoundA on Windows.
std::unique_ptr<WarningSound> createWarningSound();
