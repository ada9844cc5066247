#pragma once

#include <string>

// Starts playing the sound file `fileName` (ANSI) and returns at once; a clip still playing
// is stopped first. Nothing plays when the file cannot be played: no default sound either.
// True when playing started.
bool PlaySoundFile(const std::string& fileName);

// Puts `bytes` at `fileName` as a new file written beside it and renamed over the name, so
// that a link or any other file there is replaced, never written through. False when the
// folder cannot be written; the old file then stays as it was.
bool WriteSoundFile(const std::string& fileName, const std::string& bytes);
