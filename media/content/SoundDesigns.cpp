#include "SoundDesigns.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{

constexpr double Pi = 3.14159265358979323846;

// Equal-tempered frequency of a MIDI note number (A4 = 69 = 440 Hz).
double Hz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// A buffer being written; every voice is added into it.
struct Canvas {
    std::vector<float> s;
    explicit Canvas(double seconds) : s(std::size_t(std::lround(seconds * SoundSampleRate))) {}

    // A tone from start for length seconds: partials given as (multiple,
    // weight), an attack and an exponential decay (time constant tau).
    void Tone(double start, double length, double freq,
              std::initializer_list<std::pair<double, double>> partials, double tau,
              double level = 1.0, double attack = 0.004)
    {
        const int first = int(start * SoundSampleRate);
        const int count = int(length * SoundSampleRate);
        for (int i = 0; i < count && first + i < int(s.size()); ++i) {
            const double t = double(i) / SoundSampleRate;
            double v = 0;
            for (auto [mult, weight] : partials)
                v += weight * std::sin(2 * Pi * freq * mult * t);
            const double env = std::min(1.0, t / attack) * std::exp(-t / tau);
            s[first + i] += float(level * env * v);
        }
    }

    // A tone whose frequency glides from f0 to f1 (exponentially).
    void Glide(double start, double length, double f0, double f1, double tau, double level,
               double vibratoHz = 0, double vibratoDepth = 0)
    {
        const int first = int(start * SoundSampleRate);
        const int count = int(length * SoundSampleRate);
        double phase = 0;
        for (int i = 0; i < count && first + i < int(s.size()); ++i) {
            const double t = double(i) / SoundSampleRate;
            double f = f0 * std::pow(f1 / f0, t / length);
            f *= 1.0 + vibratoDepth * std::sin(2 * Pi * vibratoHz * t);
            phase += 2 * Pi * f / SoundSampleRate;
            const double env = std::min(1.0, t / 0.01) * std::exp(-t / tau);
            // A few odd harmonics give the brassy "wah" of a losing sound.
            const double v =
                std::sin(phase) + 0.3 * std::sin(3 * phase) + 0.12 * std::sin(5 * phase);
            s[first + i] += float(level * env * v);
        }
    }

    // Deterministic noise, filtered to a knock.
    void Knock(double start, double length, double tau, double level)
    {
        const int first = int(start * SoundSampleRate);
        const int count = int(length * SoundSampleRate);
        std::uint32_t seed = 12345;
        double low = 0;
        for (int i = 0; i < count && first + i < int(s.size()); ++i) {
            seed = seed * 1664525u + 1013904223u;
            const double white = double(seed >> 8) / double(1u << 24) * 2 - 1;
            low += 0.35 * (white - low); // soften the hiss
            const double t = double(i) / SoundSampleRate;
            s[first + i] += float(level * low * std::exp(-t / tau));
        }
    }

    // A buzz: a band-limited square wave of a few odd harmonics.
    void Buzz(double start, double length, double freq, double level)
    {
        const int first = int(start * SoundSampleRate);
        const int count = int(length * SoundSampleRate);
        for (int i = 0; i < count && first + i < int(s.size()); ++i) {
            const double t = double(i) / SoundSampleRate;
            double v = 0;
            for (int h = 1; h <= 9; h += 2)
                v += std::sin(2 * Pi * freq * h * t) / h;
            const double edge = std::min({1.0, t / 0.008, (length - t) / 0.02});
            s[first + i] += float(level * std::max(0.0, edge) * v);
        }
    }

    // Fades the ends against clicks and scales to the common peak.
    std::vector<float> Finish()
    {
        const int fadeIn = SoundSampleRate / 1000, fadeOut = SoundSampleRate / 100;
        const int n = int(s.size());
        for (int i = 0; i < std::min(fadeIn, n); ++i)
            s[i] *= float(i) / fadeIn;
        for (int i = 0; i < std::min(fadeOut, n); ++i)
            s[n - 1 - i] *= float(i) / fadeOut;
        float peak = 0;
        for (float v : s)
            peak = std::max(peak, std::fabs(v));
        if (peak > 0)
            for (float &v : s)
                v *= SoundPeak / peak;
        return s;
    }
};

// Bell-like partials for the bright sounds, round ones for the low sounds.
const std::initializer_list<std::pair<double, double>> Bell = {
    {1, 1}, {2, 0.35}, {3, 0.12}, {4.2, 0.06}};
const std::initializer_list<std::pair<double, double>> Brass = {
    {1, 1}, {2, 0.6}, {3, 0.4}, {4, 0.25}, {5, 0.12}};
const std::initializer_list<std::pair<double, double>> Round = {{1, 1}, {2, 0.25}, {3, 0.08}};
const std::initializer_list<std::pair<double, double>> Gong = {{1, 1}, {2.76, 0.4}, {5.4, 0.15}};

// Notes played one after another, step seconds apart, each ringing on.
void Arpeggio(Canvas &c, double start, double step, std::initializer_list<int> notes,
              const std::initializer_list<std::pair<double, double>> &partials, double tau,
              double level = 0.5)
{
    double t = start;
    for (int note : notes) {
        c.Tone(t, c.s.size() / double(SoundSampleRate) - t, Hz(note), partials, tau, level);
        t += step;
    }
}

std::vector<float> Make(int index)
{
    Canvas c(SoundDesigns[index].seconds);
    switch (index) {
    case 0: // MakeMove: a stone set on wood
        c.Knock(0, 0.09, 0.006, 1.0);
        c.Tone(0, 0.09, 1250, Round, 0.012, 0.5);
        c.Tone(0, 0.09, 420, Round, 0.02, 0.4);
        break;
    case 1: // BadMove: two short low buzzes
        c.Buzz(0.0, 0.13, 110, 0.6);
        c.Buzz(0.0, 0.13, 116, 0.4);
        c.Buzz(0.17, 0.14, 110, 0.6);
        c.Buzz(0.17, 0.14, 116, 0.4);
        break;
    case 2: // BackMove: a soft falling glide
        c.Glide(0, 0.22, 880, 440, 0.12, 0.5);
        break;
    case 3: // NewGame: a rising chime, C E G C
        Arpeggio(c, 0, 0.1, {72, 76, 79, 84}, Bell, 0.25);
        break;
    case 4: // Lose 1: "wah wah", a falling minor third
        c.Glide(0.0, 0.35, Hz(55), Hz(54), 0.5, 0.5, 5, 0.01);
        c.Glide(0.4, 0.5, Hz(52), Hz(50), 0.4, 0.5, 5, 0.015);
        break;
    case 5: // Lose 2: the sad trombone, three steps down and a long wobble
        c.Glide(0.00, 0.28, Hz(50), Hz(50), 0.6, 0.5);
        c.Glide(0.30, 0.28, Hz(49), Hz(49), 0.6, 0.5);
        c.Glide(0.60, 0.28, Hz(48), Hz(48), 0.6, 0.5);
        c.Glide(0.90, 0.50, Hz(47), Hz(46.5), 0.5, 0.5, 6, 0.02);
        break;
    case 6: // Lose 3: an A minor chord falling apart, E C A
        Arpeggio(c, 0, 0.18, {52, 48, 45}, Round, 0.5, 0.45);
        break;
    case 7: // Lose 4: a long slide down an octave
        c.Glide(0, 1.0, 220, 110, 0.45, 0.5, 7, 0.01);
        break;
    case 8: // Lose 5: two low gong strokes, D then A
        c.Tone(0.0, 1.3, Hz(50), Gong, 0.45, 0.5);
        c.Tone(0.45, 0.85, Hz(45), Gong, 0.45, 0.5);
        break;
    case 9: // Win 1: C major arpeggio up into a chord
        Arpeggio(c, 0, 0.09, {72, 76, 79, 84}, Bell, 0.35);
        Arpeggio(c, 0.45, 0.0, {76, 79, 84, 88}, Bell, 0.3, 0.3);
        break;
    case 10: // Win 2: a fanfare, G G G D
        c.Tone(0.00, 0.14, Hz(67), Brass, 0.2, 0.5);
        c.Tone(0.15, 0.14, Hz(67), Brass, 0.2, 0.5);
        c.Tone(0.30, 0.14, Hz(67), Brass, 0.2, 0.5);
        c.Tone(0.45, 0.65, Hz(74), Brass, 0.3, 0.55);
        c.Tone(0.45, 0.65, Hz(79), Bell, 0.3, 0.3);
        break;
    case 11: // Win 3: a quick scale run up to a sparkle
        Arpeggio(c, 0, 0.055, {72, 74, 76, 77, 79, 81, 83, 84}, Bell, 0.12, 0.4);
        Arpeggio(c, 0.5, 0.07, {91, 96, 100}, Bell, 0.2, 0.25);
        break;
    case 12: // Win 4: "ta-da", two chords
        Arpeggio(c, 0.0, 0.0, {72, 77, 81}, Brass, 0.15, 0.3);
        Arpeggio(c, 0.3, 0.0, {77, 81, 84, 89}, Bell, 0.35, 0.3);
        break;
    case 13: // Win 5: a trill into a major chord
        for (int i = 0; i < 8; ++i)
            c.Tone(i * 0.05, 0.06, Hz(i % 2 ? 91 : 88), Bell, 0.05, 0.4);
        Arpeggio(c, 0.42, 0.03, {79, 84, 88, 91}, Bell, 0.3, 0.3);
        break;
    default:
        break;
    }
    return c.Finish();
}

} // namespace

int SoundLength(int index)
{
    return int(std::lround(SoundDesigns[index].seconds * SoundSampleRate));
}

std::vector<float> SynthesizeSound(int index)
{
    if (index < 0 || index >= int(SoundDesigns.size()))
        return {};
    return Make(index);
}
