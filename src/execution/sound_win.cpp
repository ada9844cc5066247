#include "sound.h"
#include "win32/playsound.h"

#include <QDir>
#include <QFile>

namespace {

// sndPlaySoundA plays files only: the clip is written to "warning.wav" in the current folder
// on every call, as a new file renamed over the name, and played from there.
class Win32WarningSound final : public WarningSound {
public:
    void PlayWarningSound(bool enabled) override
    {
        QFile clip(QStringLiteral(":/sound/warning.wav"));
        if (!clip.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = clip.readAll();
        const std::string fileName = "warning.wav";
        if (WriteSoundFile(fileName, std::string(bytes.constData(), size_t(bytes.size()))) && enabled)
            PlaySoundFile(
                QDir::toNativeSeparators(QDir::current().absoluteFilePath(QString::fromStdString(fileName)))
                    .toLocal8Bit()
                    .toStdString());
    }
};

} // namespace

std::unique_ptr<WarningSound> createWarningSound()
{
    return std::make_unique<Win32WarningSound>();
}
