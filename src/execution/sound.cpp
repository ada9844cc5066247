#include "sound.h"

#include <QDir>
#include <QFile>

void WarningSound::PlayWarningSound(bool enabled)
{
    QFile clip(QStringLiteral(":/sound/warning.wav"));
    QFile out(QStringLiteral("warning.wav"));
    const bool written = clip.open(QIODevice::ReadOnly) &&
                         out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         out.write(clip.readAll()) == clip.size();
    out.close();
    if (enabled && written)
        play(QDir::current().absoluteFilePath(out.fileName()));
}
