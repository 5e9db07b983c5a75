#pragma once

// ALSA's library writes its errors to the terminal: on a machine without a
// sound card (or without a sound server) every attempt of SDL to open the
// default device prints eight lines, while the game simply plays silently.
// The program handles a missing device itself and says nothing, so ALSA is
// told to say nothing too.

// Gives ALSA's library (when the system has one) an error handler that
// prints nothing. Call before SDL opens an audio device; harmless without
// ALSA and when called again.
void SilenceAlsaMessages();
