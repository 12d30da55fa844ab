#include "app/JobOptions.h"

#include "cdrip/TrackFileName.h"

namespace {

std::uint32_t Number(const QString& option, const QString& text, std::uint32_t low, std::uint32_t high)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value < low || value > high)
        throw EUsageError(QStringLiteral("%1 wants a number from %2 to %3, not \"%4\"").arg(option).arg(low).arg(high).arg(text));
    return value;
}

template <typename Value>
Value Choice(const QString& option, const QString& text, const QStringList& names, const QList<Value>& values)
{
    const qsizetype index = names.indexOf(text.toLower());
    if (index < 0)
        throw EUsageError(QStringLiteral("%1 wants one of %2, not \"%3\"").arg(option, names.join(QLatin1Char('|')), text));
    return values.at(index);
}

void ParseTracks(const QString& text, TJobOptions& options)
{
    if (text.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        options.AllTracks = true;
        return;
    }
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int track = part.trimmed().toInt(&ok);
        if (!ok || track < 1 || track > 65535)
            throw EUsageError(QStringLiteral("--rip wants \"all\" or track numbers such as 1,3,4, not \"%1\"").arg(text));
        options.Tracks.push_back(track);
    }
}

}  // namespace

bool IsHeadlessJob(const QStringList& arguments)
{
    for (const QString& argument : arguments)
        if (argument == QLatin1String("--list") || argument == QLatin1String("--rip") ||
            argument == QLatin1String("--convert") || argument == QLatin1String("--checksums") ||
            argument == QLatin1String("--check-log"))
            return true;
    return false;
}

TJobOptions ParseJobOptions(const QStringList& arguments)
{
    TJobOptions options;
    auto setKind = [&](TJobKind kind) {
        if (options.Kind != TJobKind::jkNone && options.Kind != kind)
            throw EUsageError(QStringLiteral("Give only one of --list, --rip, --convert, --checksums and --check-log"));
        options.Kind = kind;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw EUsageError(QStringLiteral("%1 needs a value").arg(option));
            return arguments.at(++i);
        };
        TEncoderOptions& encoder = options.Encoder;
        if (option == QLatin1String("--list"))
            setKind(TJobKind::jkList);
        else if (option == QLatin1String("--rip")) {
            setKind(TJobKind::jkRip);
            ParseTracks(value(), options);
        } else if (option == QLatin1String("--convert"))
            setKind(TJobKind::jkConvert);
        else if (option == QLatin1String("--checksums"))
            setKind(TJobKind::jkChecksums);
        else if (option == QLatin1String("--check-log")) {
            setKind(TJobKind::jkCheckLog);
            options.LogFile = value();
        }
        else if (option == QLatin1String("--offset")) {
            const QString text = value();
            bool ok = false;
            const int samples = text.toInt(&ok);
            if (!ok || samples < -44100 || samples > 44100)
                throw EUsageError(QStringLiteral("--offset wants samples from -44100 to 44100, not \"%1\"").arg(text));
            options.ReadOffset = samples;
        } else if (option == QLatin1String("--verify-with"))
            options.VerifyWith = value();
        else if (option == QLatin1String("--offline"))
            options.Offline = true;
        else if (option == QLatin1String("--no-log"))
            options.NoLog = true;
        else if (option == QLatin1String("--name")) {
            options.NameTemplate = value();
            if (const QString problem = TFileNameTemplate::Problem(options.NameTemplate); !problem.isEmpty())
                throw EUsageError(problem);
        } else if (option == QLatin1String("--overwrite"))
            options.Overwrite = true;
        else if (option == QLatin1String("--device"))
            options.Device = value();
        else if (option == QLatin1String("--format"))
            options.Format = Choice<TAudioFileFormat>(option, value(), {"mp3", "wav", "pcm", "flac"},
                                                      {TAudioFileFormat::afMp3, TAudioFileFormat::afWav,
                                                       TAudioFileFormat::afPcm, TAudioFileFormat::afFlac});
        else if (option == QLatin1String("--flac-level"))
            options.FlacLevel = static_cast<int>(Number(option, value(), 0, 8));
        else if (option == QLatin1String("--output"))
            options.OutputFolder = value();
        else if (option == QLatin1String("--rate"))
            encoder.SampleRate = Choice<std::uint32_t>(option, value(), {"44100", "32000", "22050"}, {44100, 32000, 22050});
        else if (option == QLatin1String("--bitrate"))
            encoder.Bitrate = Number(option, value(), 8, 320);
        else if (option == QLatin1String("--max-bitrate"))
            encoder.MaxBitrate = Number(option, value(), 8, 320);
        else if (option == QLatin1String("--mode"))
            encoder.Mode = Choice<TLameMode>(option, value(), {"stereo", "joint", "dual", "mono"},
                                             {TLameMode::STEREO, TLameMode::JSTEREO, TLameMode::DUALCHANNEL, TLameMode::MONO});
        else if (option == QLatin1String("--quality"))
            encoder.Quality = Choice<MPEG_QUALITY>(option, value(), {"normal", "low", "high", "voice"},
                                                   {MPEG_QUALITY::NORMAL_QUALITY, MPEG_QUALITY::LOW_QUALITY,
                                                    MPEG_QUALITY::HIGH_QUALITY, MPEG_QUALITY::VOICE_QUALITY});
        else if (option == QLatin1String("--vbr"))
            encoder.VBRQuality = static_cast<std::int32_t>(Number(option, value(), 0, 10));
        else if (option == QLatin1String("--vbr-header"))
            encoder.VBRHeader = true;
        else if (option == QLatin1String("--copyright"))
            encoder.Copyright = true;
        else if (option == QLatin1String("--original"))
            encoder.Original = true;
        else if (option == QLatin1String("--no-crc"))
            encoder.NoCRC = true;
        else if (option == QLatin1String("--private"))
            encoder.Private = true;
        else if (option == QLatin1String("--output-format"))
            options.OutputFormat = Choice<TOutputFormat>(
                option, value(), {"stereo44100", "mono44100", "stereo22050", "mono22050", "stereo11025", "mono11025"},
                {TOutputFormat::STEREO44100, TOutputFormat::MONO44100, TOutputFormat::STEREO22050,
                 TOutputFormat::MONO22050, TOutputFormat::STEREO11025, TOutputFormat::MONO11025});
        else if (option == QLatin1String("--no-jitter-correction"))
            options.NoJitterCorrection = true;
        else if (option.startsWith(QLatin1String("--")))
            throw EUsageError(QStringLiteral("Unknown option %1").arg(option));
        else if (options.Kind == TJobKind::jkConvert)
            options.Files.append(option);
        else
            throw EUsageError(QStringLiteral("Unexpected argument \"%1\"").arg(option));
    }
    if (options.Kind == TJobKind::jkConvert && options.Files.isEmpty())
        throw EUsageError(QStringLiteral("--convert needs at least one file"));
    if (options.Kind == TJobKind::jkConvert && options.Format != TAudioFileFormat::afMp3 && options.Format != TAudioFileFormat::afFlac)
        throw EUsageError(QStringLiteral("--convert writes MP3 or FLAC files: --format mp3 or --format flac"));
    if (options.Kind != TJobKind::jkRip && (!options.NameTemplate.isEmpty() || options.Overwrite))
        throw EUsageError(QStringLiteral("--name and --overwrite apply to --rip, which names the files it writes"));
    if (options.Kind == TJobKind::jkConvert && !options.OutputFolder.isEmpty())
        throw EUsageError(QStringLiteral("--output applies to --rip; converted files are written beside their WAV files"));
    return options;
}

QString UsageText()
{
    return QStringLiteral(
        "usage: trackwell [--device DEV] [--theme Default|Flat|OfficeXP|OSXTiger|None|FILE] [--output DIR]  (the window)\n"
        "       trackwell [--device DEV] --list\n"
        "       trackwell [--device DEV] --rip all|N[,N...] [--format mp3|wav|pcm|flac] [--output DIR] [--name TEMPLATE]\n"
        "                 [--overwrite] [encoder options]\n"
        "       trackwell --convert FILE... [--format mp3|flac] [encoder options]\n"
        "       trackwell [--device DEV] --checksums [proof options]\n"
        "       trackwell --check-log FILE.log (whether a rip log is as it was written)\n"
        "--name TEMPLATE: files named from the disc's text: %n track number (01), %t title, %a artist, %A album,\n"
        "                 %y year, %% a percent sign; an existing file is kept and the new one numbered \"(2)\"\n"
        "                 unless --overwrite is given. Without it the files are Track01, Track02, ...\n"
        "MP3 files get ID3v2.4 tags and FLAC files Vorbis comments from the disc's CD-Text or cue sheet, when it\n"
        "has any.\n"
        "proof options (with --rip and --checksums): --offset N (the drive's read offset in samples)\n"
        "                 --verify-with FILE (a dBAR answer of the AccurateRip database; else it is asked online)\n"
        "                 --offline (ask no database)  --no-log (no rip log and cue sheet beside the files)\n"
        "encoder options: --rate 44100|32000|22050  --bitrate K  --max-bitrate K  --mode stereo|joint|dual|mono\n"
        "                 --quality normal|low|high|voice  --vbr Q  --vbr-header  --copyright  --original  --no-crc\n"
        "                 --private  --output-format STEREO44100|MONO44100|STEREO22050|MONO22050|STEREO11025|MONO11025\n"
        "                 --no-jitter-correction  --flac-level 0..8 (FLAC: 0 fastest, 8 smallest; default 5)\n"
        "DEV is a drive (/dev/sr0) or a disc image (.cue, .toc, .nrg); without --device, $TRACKWELL_DEVICE, else the\n"
        "first drive.\n");
}
