#include "sound.h"
#include "win32/playsound.h"

#include <QDir>

namespace {

class Win32WarningSound final : public WarningSound {
protected:
    void play(const QString& file) override
    {
        PlaySoundFile(QDir::toNativeSeparators(file).toLocal8Bit().toStdString());
    }
};

} // namespace

std::unique_ptr<WarningSound> createWarningSound()
{
    return std::make_unique<Win32WarningSound>();
}
