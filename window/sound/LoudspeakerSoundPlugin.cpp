#include "LoudspeakerSoundPlugin.h"

#include "LoudspeakerSound.h"

LoudspeakerPlayer* LoudspeakerSoundPlugin::createPlayer(QObject* parent, const QString& soundPath)
{
    return new LoudspeakerSound(parent, soundPath);
}
