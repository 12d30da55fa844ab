#include "app/HeadlessJobs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <memory>

#include "app/ConsoleProgress.h"
#include "app/OutputFolder.h"
#include "app/RipProof.h"
#include "app/TrackFiles.h"
#include "cdrip/RipSession.h"
#include "cdrip/CDRIP.h"
#include "cdrip/CDRipLibrary.h"
#include "cdrip/DiscMetadata.h"
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

void ApplyCoderDefaults(TLameCoder& coder)
{
    // The settings controls' initial selections: 44100 Hz, 256 kbit/s, stereo, CRC on, VBR off at quality 3.
    coder.SetSampleRate(44100);
    coder.SetBitrate(256);
    coder.SetEnableVBR(false);
    coder.SetCopyright(false);
    coder.SetCRC(true);
    coder.SetMode(TLameMode::STEREO);
    coder.SetOriginal(false);
    coder.SetVBRQuality(3);
}

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
    window->coder->SetDefaultExt(QStringLiteral(".mp3"));
    window->cdrip = new TCDRIP(&window->form);
    TCDRIP& cdrip = *window->cdrip;
    // The stored values of the window's ripping component.
    cdrip.SetCoder(window->coder);
    cdrip.SetCDRomNum(0);
    TDriveTableClass driveTable;
    driveTable.Density = 16777216;
    driveTable.Atapi = true;
    cdrip.SetDriveTable(driveTable);
    cdrip.SetWriteWAV(true);
    cdrip.SetVersion(QStringLiteral("111"));
    cdrip.SetSpeed(32);

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
    ApplyCoderDefaults(*window->coder);
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
    cdrip.SetWriteWAV(options.Format == TRipFormat::rfWav);
    cdrip.SetEncode(options.Format == TRipFormat::rfMp3);
    cdrip.SetFlac(options.Format == TRipFormat::rfFlac);
    cdrip.SetFlacLevel(options.FlacLevel);
    if (options.Format == TRipFormat::rfMp3)
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

    TConsoleProgress progress(out, terminal);
    bool opened = false;
    cdrip.SetOnBeginTrack([&](TObject*, std::uint16_t trackNum) {
        progress.Begin(QStringLiteral("Ripping %1").arg(cdrip.TrackList().at(trackNum - 1)));
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
    QString current;
    // The track whose file is being written, kept in the proof as far as it got when the rip ends early.
    int ripping = 0;
    QString written;
    try {
        for (int t : tracks) {
            const QString name = cdrip.TrackList().at(t - 1);
            const QString extension = cdrip.Encode() ? QStringLiteral(".mp3")
                                      : cdrip.Flac()   ? QStringLiteral(".flac")
                                      : cdrip.WriteWAV() ? QStringLiteral(".wav")
                                                         : QStringLiteral(".pcm");
            written = files.Path(folder, t, extension);
            current = QStringLiteral(" (ripping %1 into %2)").arg(name, written);
            opened = false;
            ripping = t;
            cdrip.RipTrack(static_cast<std::uint16_t>(t), written);
            if (!opened)
                throw Exception(QStringLiteral("Cannot read %1 from the disc").arg(name));
            jitterErrors += cdrip.JitterErrorCount();
            if (!cdrip.LastRipWhole()) {
                progress.End(QStringLiteral("stopped: %1 keeps what was ripped").arg(written));
                current.clear();
                throw Exception(QStringLiteral("Stopped by the user after %1 of %2 tracks").arg(done).arg(tracks.size()));
            }
            ripping = 0;
            proof.AddTrack(cdrip, t, written);
            ++done;
            // A stopped track is incomplete and stays untagged.
            const QString tagFailure = files.Tag(written, t);
            const qint64 bytes = QFileInfo(written).size();
            totalBytes += bytes;
            progress.End(QStringLiteral("-> %1 (%2)%3")
                             .arg(written, Size(bytes), tagFailure.isEmpty() ? QString() : QStringLiteral("; ") + tagFailure));
            if (stopRequested && done < static_cast<int>(tracks.size()))
                throw Exception(QStringLiteral("Stopped by the user after %1 of %2 tracks").arg(done).arg(tracks.size()));
        }
    } catch (const Exception& error) {
        progress.Abandon();
        const Exception failure(error.Message() + current);
        // What was ripped before a stop or a failure still gets its log and cue sheet, marked incomplete.
        const QString unwritten = proof.FinishIncomplete(cdrip, opened ? ripping : 0, written, failure.Message(), folder, !options.NoLog);
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

// Each file converted into a FLAC file beside it, losslessly.
int ConvertFilesToFlac(const TJobOptions& options, QTextStream& out, bool terminal)
{
    TConsoleProgress progress(out, terminal);
    int done = 0;
    for (const QString& file : options.Files) {
        const QString input = QDir::current().absoluteFilePath(file);
        const QString output = ChangeFileExt(input, QStringLiteral(".flac"));
        progress.Begin(QStringLiteral("Process file %1").arg(input));
        TFlacConversion result;
        try {
            result = ConvertToFlac(input, output, options.FlacLevel, [&](std::uint16_t percent) {
                progress.Progress(percent);
                return !stopRequested;
            });
        } catch (const Exception& error) {
            progress.Abandon();
            throw Exception(error.Message() + QStringLiteral(" (converting %1)").arg(input));
        }
        if (!result.Finished) {
            progress.Abandon();
            throw Exception(QStringLiteral("Stopped by the user after %1 of %2 files").arg(done).arg(options.Files.size()));
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

int ConvertFiles(const TJobOptions& options, QTextStream& out, bool terminal)
{
    if (options.Format == TRipFormat::rfFlac)
        return ConvertFilesToFlac(options, out, terminal);
    RequireEncoder();
    TComponent form(nullptr);
    auto* coder = new TLameCoder(&form);
    coder->SetDefaultExt(QStringLiteral(".mp3"));
    ApplyCoderDefaults(*coder);
    ApplyEncoderOptions(*coder, options.Encoder);
    QStringList files;
    for (const QString& file : options.Files)
        files.append(QDir::current().absoluteFilePath(file));
    coder->SetInputFiles(files);

    TConsoleProgress progress(out, terminal);
    QString current;
    coder->SetOnBeginFile([&](TObject*, std::uint16_t, const QString& fileName) {
        current = QStringLiteral(" (converting %1)").arg(fileName);
        progress.Begin(QStringLiteral("Process file %1").arg(fileName));
    });
    coder->SetOnProgress([&](TObject*, std::uint16_t percent) {
        progress.Progress(percent);
        if (stopRequested)
            coder->Cancel();
    });
    int done = 0;
    coder->SetOnEndFile([&](TObject*, std::uint16_t index, const QString& fileName) {
        const bool shortInput = coder->ShortInputs().contains(files.at(index));
        progress.End(QStringLiteral("-> %1 (%2)%3")
                         .arg(fileName, Size(QFileInfo(fileName).size()),
                              shortInput ? QStringLiteral("; the WAV file ends before its header says: converted the "
                                                          "audio it holds")
                                         : QString()));
        ++done;
    });
    bool finished = false;
    coder->SetOnEndProcess([&](TObject*) { finished = true; });
    try {
        coder->Process();
    } catch (const Exception& error) {
        progress.Abandon();
        throw Exception(error.Message() + current);
    }
    if (!finished) {
        progress.Abandon();
        throw Exception(QStringLiteral("Stopped by the user after %1 of %2 files").arg(done).arg(files.size()));
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
