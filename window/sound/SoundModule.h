#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>

// The loudspeaker's sound as the window sees it. Playing it takes Qt Multimedia and, through
// it, the sound server's libraries: some twenty shared libraries and several MiB that most
// runs never use. So the playback is a module of its own, and the window loads it with
// QPluginLoader on the loudspeaker's first activation. This header needs Qt Core only.
class LoudspeakerPlayer
{
public:
    virtual ~LoudspeakerPlayer() = default;

    // Starts the sound from its beginning, also when it is playing. Where there is no audio
    // output it stays silent and says so, once, in soundLog() (SilenceReasons.h).
    virtual void play() = 0;
};

// What the module's plugin object offers.
class SoundModule
{
public:
    virtual ~SoundModule() = default;

    // A player of the WAVE file at `soundPath` (the program's is in its resources), owned by
    // `parent`, which stops it when it goes. The audio stack's own lines are kept out of the
    // terminal unless the user asks Qt for its messages (UserAsksQtForMessages.h).
    virtual LoudspeakerPlayer* createPlayer(QObject* parent, const QString& soundPath) = 0;
};

// The number changes with any change to these two classes: a module built against another
// version is refused instead of called.
#define KRIMVEL_SOUND_MODULE_IID "io.github.krimvel.SoundModule/4"
Q_DECLARE_INTERFACE(SoundModule, KRIMVEL_SOUND_MODULE_IID)
