// TSynth: renders a score of notes on a few synthesized instruments into a stereo float buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace demodisc {

enum class TInstrument { iPad, iPluck, iBell, iBass };

struct TNote {
    double Start;      // seconds
    double Length;     // seconds until release
    int Pitch;         // MIDI note number
    double Velocity;   // 0 to 1
    TInstrument Instrument;
    double Pan;        // -1 left to 1 right
};

class TSynth {
public:
    static constexpr int kRate = 44100;

    explicit TSynth(double seconds);
    void Play(const TNote& note);
    // Scales to a fixed peak and returns interleaved 16-bit stereo, padded with silence to whole CD sectors.
    std::vector<int16_t> Master() const;

private:
    std::vector<float> FLeft;
    std::vector<float> FRight;
};

}
