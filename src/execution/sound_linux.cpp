#include "sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class QtWarningSound final : public WarningSound {
protected:
    void play(const QString& file) override
    {
        const QUrl url = QUrl::fromLocalFile(file);
        m_effect.stop();
        if (m_effect.source() != url)
            m_effect.setSource(url);
        m_effect.play();
    }

private:
    QSoundEffect m_effect;
};

} // namespace

std::unique_ptr<WarningSound> createWarningSound()
{
    return std::make_unique<QtWarningSound>();
}
