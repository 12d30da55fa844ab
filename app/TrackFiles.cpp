#include "app/TrackFiles.h"

#include "app/Version.h"
#include "cdrip/CDRIP.h"
#include "cdrip/TrackTags.h"
#include "coder/FlacEncoder.h"
#include "coder/LameCoder.h"

TTrackFiles::TTrackFiles() : template_(TFileNameTemplate::TrackNumbers()), numbered_(false) {}

TTrackFiles::TTrackFiles(const TCDRIP& cdrip, const TJobOptions& options, const TLameCoder& coder)
    : disc_(ReadDiscMetadata(cdrip.TrackCount())),
      template_(options.NameTemplate.isEmpty() ? TFileNameTemplate::TrackNumbers() : TFileNameTemplate(options.NameTemplate)),
      numbered_(!options.NameTemplate.isEmpty() && !options.Overwrite),
      encoder_(options.Format == TAudioFileFormat::afFlac ? FlacSettingsText(options.FlacLevel) : EncoderSettingsText(coder))
{
}

QString TTrackFiles::Path(const QString& folder, int track, const QString& extension) const
{
    return FreeFileName(folder, template_.Name(disc_, track), extension, !numbered_);
}

QString TTrackFiles::Tag(const QString& fileName, int track)
{
    try {
        WriteTrackTags(fileName, disc_, track, encoder_);
    } catch (const Exception& error) {
        failures_.append(error.Message());
        return error.Message();
    }
    return {};
}

QString EncoderSettingsText(const TLameCoder& coder)
{
    static const char* const kModes[] = {"stereo", "joint stereo", "dual channel", "mono"};
    static const char* const kQualities[] = {"normal", "low", "high", "voice"};
    const QString rate = coder.EnableVBR() ? QStringLiteral("VBR quality %1").arg(coder.VBRQuality())
                                           : QStringLiteral("%1 kbit/s CBR").arg(coder.Bitrate());
    return QStringLiteral("Trackwell %1 (LAME %2.%3): %4, %5 Hz, %6, %7 quality")
        .arg(QStringLiteral(TRACKWELL_VERSION))
        .arg(coder.LameVersion().MajorVersion())
        .arg(coder.LameVersion().MinorVersion())
        .arg(rate)
        .arg(coder.SampleRate())
        .arg(QLatin1String(kModes[static_cast<int>(coder.Mode())]), QLatin1String(kQualities[static_cast<int>(coder.Quality())]));
}

QString FlacSettingsText(int level)
{
    return QStringLiteral("Trackwell %1 (%2): lossless, level %3").arg(QStringLiteral(TRACKWELL_VERSION), TFlacEncoder::LibraryName()).arg(level);
}
