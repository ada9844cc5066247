// The warning clip's player, a module the program loads at the first play (sound_linux.cpp).
#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void lullwickPlayWarningClip();

void lullwickPlayWarningClip()
{
    // Made once and kept until the application ends; it reads the clip from the resources
    // the executable carries.
    static QSoundEffect* const effect = [] {
        auto* sound = new QSoundEffect(QCoreApplication::instance());
        sound->setSource(QUrl(QStringLiteral("qrc:/sound/warning.wav")));
        return sound;
    }();
    effect->stop();
    effect->play();
}
