#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace
{

void Put16(std::ofstream &out, std::uint16_t v)
{
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    out.write(b, 2);
}

void Put32(std::ofstream &out, std::uint32_t v)
{
    Put16(out, std::uint16_t(v & 0xFFFF));
    Put16(out, std::uint16_t(v >> 16));
}

} // namespace

bool WriteWaveFile(const std::string &path, const std::vector<float> &samples, int sampleRate)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16); // size of the format block
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, std::uint32_t(sampleRate));
    Put32(out, std::uint32_t(sampleRate * 2)); // bytes per second
    Put16(out, 2);                             // bytes per frame
    Put16(out, 16);                            // bits per sample
    out.write("data", 4);
    Put32(out, dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put16(out, std::uint16_t(std::int16_t(v)));
    }
    return bool(out);
}
