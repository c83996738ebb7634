#include "LoudspeakerSoundPlugin.h"

#include "LoudspeakerSound.h"

LoudspeakerPlayer* LoudspeakerSoundPlugin::createPlayer(QObject* parent, const QString& soundPath,
                                                        bool userAsksQtForMessages)
{
    return new LoudspeakerSound(parent, soundPath, userAsksQtForMessages);
}
