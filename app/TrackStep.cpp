#include "app/TrackStep.h"

#include "app/RipProof.h"
#include "app/TrackFiles.h"
#include "cdrip/CDRIP.h"
#include "coder/AudioFileFormat.h"

TTrackStep::TTrackStep(TCDRIP& cdrip, TRipProof& proof, TTrackFiles& files, const QString& folder)
    : cdrip_(cdrip), proof_(proof), files_(files), folder_(folder)
{
}

void TTrackStep::Rip(int track)
{
    file_ = files_.Path(folder_, track, AudioFileExtension(cdrip_.FileFormat()));
    ripping_ = track;
    cdrip_.RipTrack(static_cast<std::uint16_t>(track), file_);
}

TTrackEnd TTrackStep::End(int track)
{
    if (!cdrip_.LastRipWhole())
        return {};
    ripping_ = 0;
    proof_.AddTrack(cdrip_, track, file_);
    return {true, files_.Tag(file_, track)};
}

QString TTrackStep::Fail(const QString& reason, bool readBegun, bool logFiles)
{
    return proof_.FinishIncomplete(cdrip_, readBegun ? ripping_ : 0, file_, reason, folder_, logFiles);
}
