#pragma once

#include "SilenceReasons.h"
#include "SoundModule.h"

class QObject;

// How the loudspeaker's sound reaches the speakers differs by platform, one file each, chosen
// by CMake: on Linux a module with Qt Multimedia that is loaded on the first activation
// (SoundPlayback_module.cpp), on Windows the system's own PlaySound (SoundPlayback_win.cpp).

// A player owned by `parent`; none where playback cannot even be set up, after saying why in
// soundLog().
LoudspeakerPlayer* createLoudspeakerPlayer(QObject* parent);
