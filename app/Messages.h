#pragma once

// What the terminal shows of the messages that pass through Qt. While Qt starts its display
// platform, its messages are held back: where it can start none, Qt would end the process
// with a core dump after several lines; instead the program says in one line which display
// it could not open, and exits with status 1. Where it cannot tell (a platform that does not
// exist or will not load), or the user asks Qt to speak (userAsksQtForMessages()), Qt's own
// words come as Qt prints them. The loudspeaker's reasons to stay silent, in
// SoundObject::silenceLog(), become lines "krimvel: ...".
namespace Messages {

void watchStart(); // just before the application object is made
void started();    // once it exists

} // namespace Messages
