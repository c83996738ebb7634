#pragma once

// Keeps the terminal quiet when there is no sound server: the audio stack warns on every
// attempt to play, and so does the loudspeaker; the program says once, in its own words,
// that the loudspeaker stays silent.
namespace AudioWarnings {

// Routes the audio warnings through a filter that prints one line the first time.
void install();

} // namespace AudioWarnings
