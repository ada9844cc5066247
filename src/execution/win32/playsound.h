#pragma once

#include <string>

// Starts playing the sound file `fileName` (ANSI) and returns at once; a clip still playing
// is stopped first. Nothing plays when the file cannot be played: no default sound either.
// True when playing started.
bool PlaySoundFile(const std::string& fileName);
