#pragma once

#include "SoundModule.h"

// The sound module's entry: makes the loudspeaker's players.
class LoudspeakerSoundPlugin : public QObject, public SoundModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KRIMVEL_SOUND_MODULE_IID)
    Q_INTERFACES(SoundModule)

public:
    LoudspeakerPlayer* createPlayer(QObject* parent, const QString& soundPath) override;
};
