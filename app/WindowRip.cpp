#include "app/WindowRip.h"

#include "cdrip/CDRIP.h"
#include "framework/Exception.h"

TWindowRip::TWindowRip(TCDRIP& cdrip, const QString& folder)
    : cdrip_(cdrip), folder_(folder), proof_(cdrip, QString(), false, nullptr), step_(cdrip, proof_, files_, folder)
{
}

void TWindowRip::TrackEnded(int trackNum, bool stopRequested, bool moreToRip)
{
    if (!step_.End(trackNum).Whole) {
        // Without a Stop the library could not open the track's range; the window goes on to the next track all the same.
        const QString why = stopRequested ? QStringLiteral("stopped by the user") : QStringLiteral("not read to its end");
        proof_.AddTrack(cdrip_, trackNum, step_.File(), why);
        proof_.SetIncomplete(QStringLiteral("Track%1 %2").arg(trackNum).arg(why));
        return;
    }
    if (TTrackStep::StopEndsRun(stopRequested, moreToRip))
        proof_.SetIncomplete(QStringLiteral("stopped by the user after Track%1").arg(trackNum));
}

void TWindowRip::Finish()
{
    proof_.Finish(folder_, true);
}

void TWindowRip::Fail(const Exception& error)
{
    // Whatever the track's rip had reached, its file is kept as far as it got.
    const QString unwritten = step_.Fail(error.Message(), true, true);
    if (unwritten.isEmpty())
        throw;
    throw Exception(error.Message() + QStringLiteral("\n\nThe rip log and cue sheet were not written either: ") + unwritten);
}
