#include "SoundPlayback.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
// windows.h first: mmsystem.h builds on its types.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace {

// Windows plays the embedded WAVE file itself, straight from memory: no audio library, no
// module to load.
class SystemSound : public QObject, public LoudspeakerPlayer
{
public:
    explicit SystemSound(QObject* parent) : QObject(parent)
    {
        QFile file(QStringLiteral(":/sound/loudspeaker.wav"));
        if (file.open(QIODevice::ReadOnly)) {
            wave_ = file.readAll();
        }
    }

    // PlaySound reads the memory for as long as it plays: stop it before the memory goes.
    ~SystemSound() override { PlaySoundW(nullptr, nullptr, 0); }

    void play() override
    {
        if (wave_.isEmpty()) {
            reasons_.cannotRead(QStringLiteral(":/sound/loudspeaker.wav"));
            return;
        }
        // A new call stops the sound that is playing: the sound starts from its beginning.
        // Without a device, or with a sound Windows cannot play, it fails at once.
        if (waveOutGetNumDevs() == 0 ||
            !PlaySoundW(reinterpret_cast<LPCWSTR>(wave_.constData()), nullptr,
                        SND_MEMORY | SND_ASYNC | SND_NODEFAULT)) {
            reasons_.noOutput();
        }
    }

private:
    QByteArray wave_;
    SilenceReasons reasons_;
};

} // namespace

// Windows' own playback says nothing of its own.
LoudspeakerPlayer* createLoudspeakerPlayer(QObject* parent)
{
    return new SystemSound(parent);
}
