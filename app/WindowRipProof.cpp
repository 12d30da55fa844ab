#include "app/WindowRipProof.h"

#include "cdrip/CDRIP.h"
#include "framework/Exception.h"

TWindowRipProof::TWindowRipProof(const TCDRIP& cdrip, const QString& folder)
    : folder_(folder), proof_(cdrip, QString(), false, nullptr)
{
}

void TWindowRipProof::TrackEnded(const TCDRIP& cdrip, int trackNum, const QString& fileName, bool stopRequested, bool moreToRip)
{
    const QString written = cdrip.OutputFileName(fileName);
    if (!cdrip.LastRipWhole()) {
        // Without a Stop the library could not open the track's range; the window goes on to the next track all the same.
        const QString why = stopRequested ? QStringLiteral("stopped by the user") : QStringLiteral("not read to its end");
        proof_.AddTrack(cdrip, trackNum, written, why);
        proof_.SetIncomplete(QStringLiteral("Track%1 %2").arg(trackNum).arg(why));
        return;
    }
    proof_.AddTrack(cdrip, trackNum, written);
    if (stopRequested && moreToRip)
        proof_.SetIncomplete(QStringLiteral("stopped by the user after Track%1").arg(trackNum));
}

void TWindowRipProof::Finish()
{
    proof_.Finish(folder_, true);
}

void TWindowRipProof::Fail(const TCDRIP& cdrip, int ripping, const QString& fileName, const Exception& error)
{
    const QString unwritten = proof_.FinishIncomplete(cdrip, ripping, cdrip.OutputFileName(fileName), error.Message(), folder_, true);
    if (unwritten.isEmpty())
        throw;
    throw Exception(error.Message() + QStringLiteral("\n\nThe rip log and cue sheet were not written either: ") + unwritten);
}
