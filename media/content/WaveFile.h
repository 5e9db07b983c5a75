#pragma once

// Mono 16-bit PCM wave files.

#include <string>
#include <vector>

// Writes samples (-1..1, clamped) as a mono 16-bit wave file; false when the
// file cannot be written.
bool WriteWaveFile(const std::string &path, const std::vector<float> &samples, int sampleRate);
