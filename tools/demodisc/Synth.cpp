#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace demodisc {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr size_t kSectorFrames = 588;

double Frequency(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

// Linear attack, exponential decay towards the sustain level, exponential release after the note's length.
double Envelope(double t, double length, double attack, double decay, double sustain, double release)
{
    double level = t < attack ? t / attack : sustain + (1 - sustain) * std::exp(-(t - attack) / decay);
    if (t > length) {
        const double held = length < attack ? length / attack : sustain + (1 - sustain) * std::exp(-(length - attack) / decay);
        level = held * std::exp(-(t - length) / release);
    }
    return level;
}

double Tail(TInstrument instrument)
{
    return instrument == TInstrument::iPad ? 1.5 : 1.0;
}

// Karplus-Strong string: a noise burst circulating through a damped delay line. The noise comes from a fixed
// linear congruential generator seeded by the pitch, so every run renders the same samples.
std::vector<float> Pluck(double frequency, int pitch, size_t frames)
{
    const size_t period = std::max<size_t>(2, static_cast<size_t>(std::lround(TSynth::kRate / frequency)));
    std::vector<float> line(period);
    uint32_t state = 0x9E3779B9u ^ static_cast<uint32_t>(pitch * 2654435761u);
    for (float& v : line) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<float>(static_cast<double>(state >> 8) / (1 << 23) - 1.0);
    }
    std::vector<float> out(frames);
    for (size_t i = 0; i < frames; ++i) {
        const size_t at = i % period;
        out[i] = line[at];
        line[at] = 0.996f * 0.5f * (line[at] + line[(at + 1) % period]);
    }
    return out;
}

}

TSynth::TSynth(double seconds)
    : FLeft(static_cast<size_t>(seconds * kRate)), FRight(FLeft.size())
{
}

void TSynth::Play(const TNote& note)
{
    const double f = Frequency(note.Pitch);
    const size_t begin = static_cast<size_t>(note.Start * kRate);
    if (begin >= FLeft.size())
        return;
    const size_t frames = std::min(FLeft.size() - begin, static_cast<size_t>((note.Length + Tail(note.Instrument)) * kRate));
    const double left = note.Velocity * std::cos((note.Pan + 1) * std::numbers::pi / 4);
    const double right = note.Velocity * std::sin((note.Pan + 1) * std::numbers::pi / 4);
    std::vector<float> string;
    if (note.Instrument == TInstrument::iPluck)
        string = Pluck(f, note.Pitch, frames);

    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0;
        switch (note.Instrument) {
        case TInstrument::iPad:
            // A slightly detuned pair of soft sawtooths, six harmonics each.
            for (int h = 1; h <= 6; ++h)
                v += (std::sin(kTwoPi * f * h * t) + std::sin(kTwoPi * f * 1.003 * h * t)) / (h * 2.0);
            v *= 0.35 * Envelope(t, note.Length, 0.4, 0.8, 0.7, 0.6);
            break;
        case TInstrument::iPluck:
            v = string[i] * Envelope(t, note.Length, 0.002, 0.3, 0.6, 0.08);
            break;
        case TInstrument::iBell: {
            // Two-operator FM with an inharmonic ratio; the modulation fades faster than the tone.
            const double index = 3.0 * std::exp(-t / 0.4);
            v = std::sin(kTwoPi * f * t + index * std::sin(kTwoPi * f * 1.4 * t)) * std::exp(-t / 1.2);
            v *= Envelope(t, note.Length + 2, 0.003, 10, 1, 0.3);
            break;
        }
        case TInstrument::iBass:
            v = (std::sin(kTwoPi * f * t) + 0.3 * std::sin(kTwoPi * 2 * f * t)) * Envelope(t, note.Length, 0.01, 0.25, 0.5, 0.1);
            break;
        }
        FLeft[begin + i] += static_cast<float>(v * left);
        FRight[begin + i] += static_cast<float>(v * right);
    }
}

std::vector<int16_t> TSynth::Master() const
{
    float peak = 1e-6f;
    for (size_t i = 0; i < FLeft.size(); ++i)
        peak = std::max({peak, std::fabs(FLeft[i]), std::fabs(FRight[i])});
    const double gain = 0.89 * 32767 / peak;   // about -1 dBFS
    const size_t frames = (FLeft.size() + kSectorFrames - 1) / kSectorFrames * kSectorFrames;
    std::vector<int16_t> pcm(frames * 2, 0);
    for (size_t i = 0; i < FLeft.size(); ++i) {
        pcm[2 * i] = static_cast<int16_t>(std::lrint(FLeft[i] * gain));
        pcm[2 * i + 1] = static_cast<int16_t>(std::lrint(FRight[i] * gain));
    }
    return pcm;
}

}
