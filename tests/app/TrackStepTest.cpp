// The rip step both the window and the command line take for a track: what a stop ends, and what of the track being
// ripped is kept in the rip log when the run ends early.
#include <QFile>

#include "app/RipProof.h"
#include "app/TrackFiles.h"
#include "app/TrackStep.h"
#include "tests/app/MainWindowFixture.h"

namespace {

using TrackStep = MainWindow;

TEST_F(TrackStep, AStopEndsTheRunOnlyWhenMoreWasToBeRipped)
{
    const struct {
        bool StopRequested;
        bool MoreToRip;
        bool Ends;
    } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}, {false, false, false}};
    for (const auto& c : cases)
        EXPECT_EQ(TTrackStep::StopEndsRun(c.StopRequested, c.MoreToRip), c.Ends) << c.StopRequested << c.MoreToRip;
}

// Track 1 ripped whole or stopped after its first chunk, then the run fails: a whole track is in the log once, a
// track cut short is kept as far as it got when its reading had begun.
TEST_F(TrackStep, ARunEndingEarlyKeepsOnlyTheTrackCutShortWhoseReadingBegan)
{
    const struct {
        const char* Name;
        bool Stop;
        bool ReadBegun;
        bool Whole;
        bool KeptCut;
    } cases[] = {
        {"whole", false, true, true, false},
        {"stopped", true, true, false, true},
        {"stopped before reading", true, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Script(std::string(kThreeTracks) + "range\n  open ok 9408\n  chunk 0 9408 50\n  chunk 0 9408 100\n");
        TCDRIP cdrip(nullptr);
        cdrip.SetWriteWAV(true);
        cdrip.SetOnProgress([&](TObject*, std::uint16_t) {
            if (c.Stop)
                cdrip.Stop();
        });
        TRipProof proof(cdrip, {}, true, nullptr);
        TTrackFiles files;
        TTrackStep step(cdrip, proof, files, folder.path());

        step.Rip(1);
        EXPECT_EQ(step.File(), Out("Track01.wav"));
        EXPECT_EQ(step.End(1).Whole, c.Whole);
        EXPECT_TRUE(step.Fail("Read error", c.ReadBegun, true).isEmpty());

        QFile log(Out(Proof().at(1)));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        EXPECT_TRUE(text.contains("INCOMPLETE RIP: Read error")) << text.toStdString();
        EXPECT_EQ(text.count("File: Track01.wav"), c.Whole || c.KeptCut ? 1 : 0) << text.toStdString();
        EXPECT_EQ(text.contains("INCOMPLETE: not ripped whole"), c.KeptCut) << text.toStdString();
    }
}

}  // namespace
