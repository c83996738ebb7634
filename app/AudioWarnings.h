#pragma once

// What the terminal shows of the loudspeaker's troubles. The loudspeaker says each failure
// once, in the user's language, in the "krimvel.sound" logging category: no audio output, a
// sound module that cannot be loaded, a sound that cannot be read, an output that failed while
// playing. Each becomes one line "krimvel: ...". The audio stack's own warnings about a missing
// sound server only repeat the first of these, so they are left out, unless the user asks Qt
// for its messages with QT_LOGGING_RULES or a logging configuration.
namespace AudioWarnings {

// Routes the messages through that filter.
void install();

} // namespace AudioWarnings
