#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// Plays the clip straight from the program's resources, so no file is ever written. The
// player lives in a module of its own (soundmodule_linux.cpp), loaded at the first play, so
// that a program that never sounds a warning never maps Qt Multimedia.
class ModuleWarningSound final : public WarningSound {
public:
    void PlayWarningSound(bool enabled) override
    {
        if (!enabled)
            return;
        if (!m_loaded) {
            m_loaded = true;
            QLibrary module(
                QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(LULLWICK_SOUND_MODULE)));
            m_play = reinterpret_cast<void (*)()>(module.resolve("lullwickPlayWarningClip"));
        }
        if (m_play)
            m_play();
    }

private:
    bool m_loaded = false;
    void (*m_play)() = nullptr;
};

} // namespace

std::unique_ptr<WarningSound> createWarningSound()
{
    return std::make_unique<ModuleWarningSound>();
}
