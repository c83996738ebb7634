#pragma once

// Keeps the terminal quiet when there is no sound server: the audio stack warns on every
// attempt, and the program says once, in its own words, that the loudspeaker stays silent.
namespace AudioWarnings {

// Routes the audio stack's warnings through a filter; safe to call more than once.
void install();
// Prints the one line about missing audio output, the first time only.
void reportNoOutputOnce();

} // namespace AudioWarnings
