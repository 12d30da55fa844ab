#include "Songs.h"

#include "Synth.h"

#include <array>

namespace demodisc {

namespace {

using TChord = std::array<int, 3>;   // root position triad as MIDI pitches

struct TSongPlan {
    const char* Title;
    double Bpm;
    int BeatsPerBar;
    std::vector<TChord> Bars;          // one chord per bar
    std::vector<int> MelodySteps;       // chord tone index per melody note (-1 rest), cycled
    int MelodyNotesPerBeat;
    TInstrument MelodyVoice;
};

TSong Render(const TSongPlan& plan)
{
    const double beat = 60.0 / plan.Bpm;
    const double bar = beat * plan.BeatsPerBar;
    const double length = bar * static_cast<double>(plan.Bars.size());
    TSynth synth(length + 2.0);   // room for the last notes to ring out

    size_t step = 0;
    for (size_t b = 0; b < plan.Bars.size(); ++b) {
        const TChord& chord = plan.Bars[b];
        const double start = bar * static_cast<double>(b);
        for (size_t i = 0; i < chord.size(); ++i)
            synth.Play({start, bar * 0.95, chord[i], 0.22, TInstrument::iPad, -0.5 + 0.5 * static_cast<double>(i)});
        for (int k = 0; k < plan.BeatsPerBar; ++k)
            synth.Play({start + k * beat, beat * 0.6, chord[0] - 24 + (k % 2 == 1 ? 7 : 0), k == 0 ? 0.7 : 0.5,
                TInstrument::iBass, 0});
        const int notes = plan.BeatsPerBar * plan.MelodyNotesPerBeat;
        const double noteLength = beat / plan.MelodyNotesPerBeat;
        for (int n = 0; n < notes; ++n, ++step) {
            const int tone = plan.MelodySteps[step % plan.MelodySteps.size()];
            if (tone < 0)
                continue;
            const int pitch = chord[static_cast<size_t>(tone % 3)] + 12 * (1 + tone / 3);
            const double accent = n % plan.MelodyNotesPerBeat == 0 ? 0.55 : 0.4;
            synth.Play({start + n * noteLength, noteLength * 0.9, pitch, accent, plan.MelodyVoice, n % 2 == 0 ? 0.3 : -0.3});
        }
    }
    return {plan.Title, synth.Master()};
}

}

std::vector<TSong> RenderSongs()
{
    // C major I-V-vi-IV; D minor waltz; A minor with running sixteenths.
    const TChord C{60, 64, 67}, G{55, 59, 62}, Am{57, 60, 64}, F{53, 57, 60};
    const TChord Dm{62, 65, 69}, Gm{55, 58, 62}, Bb{58, 62, 65}, A{57, 61, 64}, Em{52, 55, 59};
    const std::vector<TSongPlan> plans = {
        {"Morning Steps", 96, 4, {C, G, Am, F, C, G, F, C}, {0, 1, 2, 3, 2, 1, 0, -1}, 2, TInstrument::iPluck},
        {"Lantern Waltz", 126, 3, {Dm, Gm, C, F, Bb, Gm, A, Dm, Dm, Gm, C, F, Bb, Gm, A, Dm}, {2, 1, 0, 3, -1, 2}, 1,
            TInstrument::iBell},
        {"Quiet River", 120, 4, {Am, F, C, G, Am, F, Em, Am, Am, F}, {0, 1, 2, 1, 3, 2, 1, 2}, 4, TInstrument::iPluck},
    };
    std::vector<TSong> songs;
    for (const TSongPlan& plan : plans)
        songs.push_back(Render(plan));
    return songs;
}

}
