#include "app/HeadlessJobs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <functional>
#include <memory>

#include "app/ConsoleProgress.h"
#include "app/OutputFolder.h"
#include "app/RipProof.h"
#include "app/TrackFiles.h"
#include "app/TrackStep.h"
#include "cdrip/RipSession.h"
#include "cdrip/CDRIP.h"
#include "cdrip/CDRipLibrary.h"
#include "cdrip/DiscMetadata.h"
#include "cdrip/StoredRipSettings.h"
#include "coder/AudioFileFormat.h"
#include "coder/ChangeFileExt.h"
#include "coder/FlacConversion.h"
#include "coder/LameCoder.h"
#include "coder/LameEncLibrary.h"

namespace {

std::atomic<bool> stopRequested{false};

// The components as the main window holds them after its creation handler ran.
struct TWindowComponents {
    TComponent form{nullptr};
    TLameCoder* coder = nullptr;
    TCDRIP* cdrip = nullptr;
};

void ApplyEncoderOptions(TLameCoder& coder, const TEncoderOptions& options)
{
    if (options.SampleRate)
        coder.SetSampleRate(*options.SampleRate);
    if (options.Bitrate)
        coder.SetBitrate(*options.Bitrate);
    if (options.MaxBitrate)
        coder.SetMaxBitrate(*options.MaxBitrate);
    if (options.Mode)
        coder.SetMode(*options.Mode);
    if (options.Quality)
        coder.SetQuality(*options.Quality);
    if (options.VBRQuality) {
        coder.SetEnableVBR(true);
        coder.SetVBRQuality(*options.VBRQuality);
    }
    if (options.VBRHeader)
        coder.SetWriteVBRHeader(true);
    coder.SetCopyright(options.Copyright);
    coder.SetOriginal(options.Original);
    coder.SetCRC(!options.NoCRC);
    coder.SetPrivate(options.Private);
}

void RequireEncoder()
{
    TLameEncLibrary& library = TLameEncLibrary::Instance();
    if (!library.IsLoaded())
        throw Exception(QStringLiteral("The MP3 encoder library cannot be loaded: %1").arg(library.ErrorText()));
}

std::unique_ptr<TWindowComponents> CreateRipComponents(const TJobOptions& options)
{
    if (!options.Device.isEmpty())
        qputenv("TRACKWELL_DEVICE", options.Device.toLocal8Bit());
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    if (!library.IsLoaded())
        throw Exception(QStringLiteral("The CD library cannot be loaded: %1").arg(library.ErrorText()));

    auto window = std::make_unique<TWindowComponents>();
    window->coder = new TLameCoder(&window->form);
    window->cdrip = new TCDRIP(&window->form);
    TCDRIP& cdrip = *window->cdrip;
    cdrip.SetCoder(window->coder);
    ApplyStoredRipValues(cdrip);

    if (cdrip.TrackCount() == 0) {
        const QString device = options.Device.isEmpty() ? qEnvironmentVariable("TRACKWELL_DEVICE") : options.Device;
        // The reason names the drive or image itself.
        if (!cdrip.TocError().isEmpty())
            throw Exception(QStringLiteral("Cannot read a disc: %1").arg(cdrip.TocError()));
        throw Exception(device.isEmpty()
                            ? QStringLiteral("No audio CD found: there is no CD drive, or it holds no readable disc")
                            : QStringLiteral("Cannot read a disc from \"%1\": it does not exist, is damaged, or holds "
                                             "no readable disc")
                                  .arg(device));
    }
    // The window's creation handler: MP3 selected, the encoder settings pushed into the coder.
    ApplyFirstEncoderSettings(*window->coder);
    cdrip.SetWriteWAV(false);
    cdrip.SetEncode(true);
    return window;
}

QString Duration(double seconds)
{
    const int whole = static_cast<int>(seconds);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString Size(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(bytes / 1048576.0, 0, 'f', 1);
}

int ListTracks(const TJobOptions& options, QTextStream& out)
{
    const auto window = CreateRipComponents(options);
    const TCDRIP& cdrip = *window->cdrip;
    const TDiscMetadata disc = ReadDiscMetadata(cdrip.TrackCount());
    // A disc with text adds its album and artist above the tracks and each track's title (and its own performer)
    // after its line; a disc without text is listed as it always was.
    if (!disc.Album.isEmpty())
        out << "Album: " << OneLine(disc.Album) << Qt::endl;
    if (!disc.AlbumArtist.isEmpty())
        out << "Artist: " << OneLine(disc.AlbumArtist) << Qt::endl;
    for (int i = 0; i < cdrip.TrackList().size(); ++i) {
        const TTrack& track = cdrip.Track(i);
        const double seconds = (static_cast<double>(track.EndSector) - track.StartSector + 1) / 75;
        out << cdrip.TrackList().at(i) << "  " << track.TrackType.leftJustified(5) << "  "
            << QStringLiteral("%1-%2").arg(track.StartSector).arg(track.EndSector).leftJustified(13) << "  "
            << Duration(seconds);
        const TTrackMetadata& text = disc.Track(i + 1);
        if (!text.Title.isEmpty())
            out << "  " << OneLine(text.Title);
        if (!text.Artist.isEmpty())
            out << (text.Title.isEmpty() ? "  (" : " (") << OneLine(text.Artist) << ")";
        out << Qt::endl;
    }
    return 0;
}

int RipTracks(const TJobOptions& options, QTextStream& out, bool terminal)
{
    const QString folder = OutputFolder(options.OutputFolder);
    const auto window = CreateRipComponents(options);
    TCDRIP& cdrip = *window->cdrip;
    TLameCoder& coder = *window->coder;

    // The "Format" box: MP3 encodes, WAV writes a header; raw PCM is the ripper's third way.
    cdrip.SetWriteWAV(options.Format == TAudioFileFormat::afWav);
    cdrip.SetEncode(options.Format == TAudioFileFormat::afMp3);
    cdrip.SetFlac(options.Format == TAudioFileFormat::afFlac);
    cdrip.SetFlacLevel(options.FlacLevel);
    if (options.Format == TAudioFileFormat::afMp3)
        RequireEncoder();
    if (options.OutputFormat)
        cdrip.SetOutputFormat(*options.OutputFormat);  // also sets the coder's rate and mode to match
    if (options.NoJitterCorrection)
        cdrip.SetJitterCorrect(false);
    cdrip.SetReadOffset(options.ReadOffset);
    ApplyEncoderOptions(coder, options.Encoder);

    // "All" means the audio: a data track is ripped only when asked for by number.
    std::vector<int> tracks = options.Tracks;
    if (options.AllTracks)
        for (int t = 1; t <= cdrip.TrackCount(); ++t) {
            if (cdrip.Track(t - 1).TrackType == QLatin1String("Data"))
                out << QStringLiteral("Skipping %1: a data track").arg(cdrip.TrackList().at(t - 1)) << Qt::endl;
            else
                tracks.push_back(t);
        }
    for (int t : tracks)
        if (t > cdrip.TrackCount())
            throw Exception(QStringLiteral("Track %1 does not exist: the disc has %2 tracks").arg(t).arg(cdrip.TrackCount()));
    EnsureOutputFolder(folder);
    TRipProof proof(cdrip, options.VerifyWith, options.Offline, &out);
    TTrackFiles files(cdrip, options, coder);

    TTrackStep step(cdrip, proof, files, folder);

    TConsoleProgress progress(out, terminal);
    QString current;
    bool opened = false;
    cdrip.SetOnBeginTrack([&](TObject*, std::uint16_t trackNum) {
        const QString name = cdrip.TrackList().at(trackNum - 1);
        current = QStringLiteral(" (ripping %1 into %2)").arg(name, step.File());
        progress.Begin(QStringLiteral("Ripping %1").arg(name));
    });
    cdrip.SetOnProgress([&](TObject*, std::uint16_t percent) {
        opened = true;
        progress.Progress(percent);
        if (stopRequested)
            cdrip.Stop();
    });

    QElapsedTimer clock;
    clock.start();
    qint64 totalBytes = 0;
    int jitterErrors = 0;
    int done = 0;
    try {
        for (int t : tracks) {
            opened = false;
            step.Rip(t);
            if (!opened)
                throw Exception(QStringLiteral("Cannot read %1 from the disc").arg(cdrip.TrackList().at(t - 1)));
            jitterErrors += cdrip.JitterErrorCount();
            const TTrackEnd end = step.End(t);
            if (!end.Whole) {
                progress.End(QStringLiteral("stopped: %1 keeps what was ripped").arg(step.File()));
                current.clear();
                throw Exception(QStringLiteral("Stopped by the user after %1 of %2 tracks").arg(done).arg(tracks.size()));
            }
            ++done;
            const qint64 bytes = QFileInfo(step.File()).size();
            totalBytes += bytes;
            progress.End(QStringLiteral("-> %1 (%2)%3")
                             .arg(step.File(), Size(bytes),
                                  end.TagFailure.isEmpty() ? QString() : QStringLiteral("; ") + end.TagFailure));
            if (TTrackStep::StopEndsRun(stopRequested, done < static_cast<int>(tracks.size())))
                throw Exception(QStringLiteral("Stopped by the user after %1 of %2 tracks").arg(done).arg(tracks.size()));
        }
    } catch (const Exception& error) {
        progress.Abandon();
        const Exception failure(error.Message() + current);
        // What was ripped before a stop or a failure still gets its log and cue sheet, marked incomplete.
        const QString unwritten = step.Fail(failure.Message(), opened, !options.NoLog);
        if (!unwritten.isEmpty())
            out << "The rip log and cue sheet of the incomplete rip were not written: " << unwritten << Qt::endl;
        throw failure;
    }
    out << QStringLiteral("Ripped %1 track%2 (%3) into %4 in %5 s; %6 jitter error%7")
               .arg(done)
               .arg(done == 1 ? "" : "s")
               .arg(Size(totalBytes), folder)
               .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
               .arg(jitterErrors)
               .arg(jitterErrors == 1 ? "" : "s")
        << Qt::endl;
    proof.Finish(folder, !options.NoLog);
    if (!files.Failures().isEmpty())
        throw Exception(QStringLiteral("The audio was ripped, but %1 file%2 could not be tagged: %3")
                            .arg(files.Failures().size())
                            .arg(files.Failures().size() == 1 ? "" : "s")
                            .arg(files.Failures().join(QStringLiteral("; "))));
    return 0;
}

// Every audio track ripped into nothing: the identifiers and checksums of a drive or image, no files written.
int PrintChecksums(const TJobOptions& options, QTextStream& out, bool terminal)
{
    const auto window = CreateRipComponents(options);
    TCDRIP& cdrip = *window->cdrip;
    cdrip.SetWriteWAV(false);
    cdrip.SetEncode(false);
    if (options.NoJitterCorrection)
        cdrip.SetJitterCorrect(false);
    cdrip.SetReadOffset(options.ReadOffset);
    TRipProof proof(cdrip, options.VerifyWith, options.Offline, &out);
    TConsoleProgress progress(out, terminal);
    bool opened = false;
    cdrip.SetOnProgress([&](TObject*, std::uint16_t percent) {
        opened = true;
        progress.Progress(percent);
        if (stopRequested)
            cdrip.Stop();
    });
    try {
        for (int t = 1; t <= cdrip.TrackCount(); ++t) {
            const QString name = cdrip.TrackList().at(t - 1);
            if (cdrip.Track(t - 1).TrackType == QLatin1String("Data"))
                continue;
            progress.Begin(QStringLiteral("Reading %1").arg(name));
            opened = false;
            // The audio goes nowhere: the library sums it as it delivers it.
            cdrip.RipTrack(static_cast<std::uint16_t>(t), QStringLiteral("/dev/null"));
            if (!opened)
                throw Exception(QStringLiteral("Cannot read %1 from the disc").arg(name));
            if (stopRequested)
                throw Exception(QStringLiteral("Stopped by the user"));
            progress.End(QStringLiteral("read"));
            proof.AddTrack(cdrip, t, name);
        }
    } catch (const Exception&) {
        progress.Abandon();
        throw;
    }
    proof.Finish({}, false);
    return 0;
}

// Exit 0 when the log's last line still matches its text, 1 with the reason otherwise.
int CheckLog(const TJobOptions& options, QTextStream& out)
{
    QFile file(options.LogFile);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot read %1: %2").arg(options.LogFile, file.errorString()));
    if (!TRipSession::LogChecksumHolds(QString::fromUtf8(file.readAll())))
        throw Exception(QStringLiteral("%1 was changed after it was written: its checksum does not match its text").arg(options.LogFile));
    out << options.LogFile << ": the log is as it was written" << Qt::endl;
    return 0;
}

// Converts one file: begun is called once the conversion has taken the input on (a failure before that is told
// without the file's name), progress after each piece, answering whether to go on.
struct TConversionCalls {
    std::function<void()> Begun;
    std::function<bool(std::uint16_t percent)> Progress;
};
using TConvertFile = std::function<TFileConversion(const QString& input, const QString& output, const TConversionCalls& calls)>;

TConvertFile FlacConverter(int level)
{
    return [level](const QString& input, const QString& output, const TConversionCalls& calls) {
        calls.Begun();
        return ConvertToFlac(input, output, level, calls.Progress);
    };
}

// The coder converts one file at a time; every output that is one of the inputs is refused before any file is
// opened, as the coder refuses them when given them all, and no file is checked again on its own.
TConvertFile Mp3Converter(TLameCoder& coder, const QStringList& files)
{
    coder.SetInputFiles(files);
    coder.RefuseOverwritingInputs();
    return [&coder](const QString& input, const QString& output, const TConversionCalls& calls) {
        coder.SetInputFiles({input});
        coder.SetOutputFiles({output});
        coder.SetOnBeginFile([&](TObject*, std::uint16_t, const QString&) { calls.Begun(); });
        coder.SetOnProgress([&](TObject*, std::uint16_t percent) {
            if (!calls.Progress(percent))
                coder.Cancel();
        });
        TFileConversion result;
        coder.SetOnEndProcess([&](TObject*) { result.Finished = true; });
        coder.ProcessRefused();
        result.ShortInput = coder.ShortInputs().contains(input);
        return result;
    };
}

// Each file converted into an MP3 or FLAC file beside it.
int ConvertFiles(const TJobOptions& options, QTextStream& out, bool terminal)
{
    QStringList files;
    for (const QString& file : options.Files)
        files.append(QDir::current().absoluteFilePath(file));
    TComponent form(nullptr);
    TConvertFile convert;
    if (options.Format == TAudioFileFormat::afFlac) {
        convert = FlacConverter(options.FlacLevel);
    } else {
        RequireEncoder();
        auto* coder = new TLameCoder(&form);
        ApplyFirstEncoderSettings(*coder);
        ApplyEncoderOptions(*coder, options.Encoder);
        convert = Mp3Converter(*coder, files);
    }

    TConsoleProgress progress(out, terminal);
    // Named by the file whose conversion was taken on last.
    QString current;
    int done = 0;
    for (const QString& input : files) {
        const QString output = ChangeFileExt(input, AudioFileExtension(options.Format));
        const TConversionCalls calls{[&] {
                                         current = QStringLiteral(" (converting %1)").arg(input);
                                         progress.Begin(QStringLiteral("Process file %1").arg(input));
                                     },
                                     [&](std::uint16_t percent) {
                                         progress.Progress(percent);
                                         return !stopRequested;
                                     }};
        TFileConversion result;
        try {
            result = convert(input, output, calls);
        } catch (const Exception& error) {
            progress.Abandon();
            throw Exception(error.Message() + current);
        }
        if (!result.Finished) {
            progress.Abandon();
            throw Exception(QStringLiteral("Stopped by the user after %1 of %2 files").arg(done).arg(files.size()));
        }
        progress.End(QStringLiteral("-> %1 (%2)%3")
                         .arg(output, Size(QFileInfo(output).size()),
                              result.ShortInput ? QStringLiteral("; the WAV file ends before its header says: converted "
                                                                 "the audio it holds")
                                                : QString()));
        ++done;
    }
    out << QStringLiteral("Converted %1 file%2").arg(done).arg(done == 1 ? "" : "s") << Qt::endl;
    return 0;
}

}  // namespace

void RequestJobStop()
{
    stopRequested = true;
}

int RunHeadlessJob(const TJobOptions& options, QTextStream& out, QTextStream& err, bool terminal)
{
    try {
        switch (options.Kind) {
        case TJobKind::jkList: return ListTracks(options, out);
        case TJobKind::jkRip: return RipTracks(options, out, terminal);
        case TJobKind::jkConvert: return ConvertFiles(options, out, terminal);
        case TJobKind::jkChecksums: return PrintChecksums(options, out, terminal);
        case TJobKind::jkCheckLog: return CheckLog(options, out);
        case TJobKind::jkNone: break;
        }
    } catch (const Exception& error) {
        out.flush();
        err << "trackwell: " << error.Message() << Qt::endl;
        return 1;
    } catch (const std::exception& error) {
        out.flush();
        err << "trackwell: " << error.what() << Qt::endl;
        return 1;
    }
    return 0;
}
