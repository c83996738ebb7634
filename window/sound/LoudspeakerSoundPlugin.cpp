#include "LoudspeakerSoundPlugin.h"

#include "LoudspeakerSound.h"

LoudspeakerPlayer* LoudspeakerSoundPlugin::createPlayer(QObject* parent)
{
    return new LoudspeakerSound(parent);
}
