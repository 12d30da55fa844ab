#include "TocFile.h"

#include "LayoutBuilder.h"
#include "SheetText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

namespace cdrip {

namespace {

constexpr uint64_t kSampleBytes = 4;

// Statements that describe the disc or track and change no sector.
constexpr std::array<std::string_view, 9> kIgnoredStatements = {"CD_DA", "CD_ROM", "CD_ROM_XA", "CD_I", "COPY", "NO", "PRE_EMPHASIS", "TWO_CHANNEL_AUDIO", "FOUR_CHANNEL_AUDIO"};

// cdrdao writes the bytes of a text outside printable ASCII as octal escapes ("Bj\\366rk").
std::string Unescaped(const std::string& word)
{
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string text;
    for (size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '\\' && i + 3 < word.size() && isOctal(word[i + 1]) && isOctal(word[i + 2]) && isOctal(word[i + 3])) {
            text += static_cast<char>((word[i + 1] - '0') * 64 + (word[i + 2] - '0') * 8 + (word[i + 3] - '0'));
            i += 3;
        } else {
            text += word[i];
        }
    }
    return text;
}

bool IsCount(const std::string& word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c); });
}

class TTocReader {
public:
    explicit TTocReader(const std::filesystem::path& sheet) : FLines(sheet), FBuilder(FLines) {}
    TImageLayout Read();

private:
    void Track();
    void AudioFile();
    void DataFile();
    void Start();
    // A CD_TEXT block: the texts of its first language, the one players show, for the disc or the current track.
    void TextBlock();
    // A length word: mm:ss:ff, or a count of samples (audio) or bytes (DATAFILE) that must be whole sectors.
    uint32_t Sectors(const std::string& word, uint64_t unitBytes) const;
    uint64_t Count(const std::string& word) const;
    void RequireTrack() const;
    void EndTrack();

    TSheetLines FLines;
    TLayoutBuilder FBuilder;
    int FTrack = 0;
    bool FTrackAudio = true;
    uint32_t FTrackBase = 0;                 // disc sector where the current track's material begins
    std::optional<uint32_t> FStartOffset;    // START: where, inside that material, the track itself starts
    TDiscExtras FExtras;
};

TImageLayout TTocReader::Read()
{
    while (FLines.Next(true)) {
        const std::string& statement = FLines.Words()[0];
        if (statement == "TRACK")
            Track();
        else if (statement == "FILE" || statement == "AUDIOFILE")
            AudioFile();
        else if (statement == "DATAFILE")
            DataFile();
        else if (statement == "SILENCE" || statement == "ZERO") {
            RequireTrack();
            // ZERO may name a data mode before its length; the length is last.
            FBuilder.AppendSilence(Sectors(FLines.Words().back(), kSampleBytes));
        } else if (statement == "START")
            Start();
        else if (statement == "PREGAP") {
            RequireTrack();
            FLines.ExpectWordCount(2);
            FBuilder.AppendSilence(Sectors(FLines.Word(1, "length"), kSampleBytes));
            Start();
        } else if (statement == "INDEX") {
            RequireTrack();   // an index inside a track changes neither the track's start nor its sectors
        } else if (statement == "CD_TEXT")
            TextBlock();
        else if (statement == "CATALOG")
            FExtras.Catalog = FLines.Word(1, "catalogue number");
        else if (statement == "ISRC") {
            RequireTrack();
            FExtras.Isrcs.resize(static_cast<size_t>(FTrack));
            FExtras.Isrcs.back() = FLines.Word(1, "ISRC");
        }
        else if (std::find(kIgnoredStatements.begin(), kIgnoredStatements.end(), statement) == kIgnoredStatements.end())
            FLines.Fail("unknown statement \"" + statement + "\"");
    }
    EndTrack();
    TImageLayout layout = FBuilder.Finish();
    layout.Extras = std::move(FExtras);
    return layout;
}

void TTocReader::Track()
{
    const std::string& mode = FLines.Word(1, "track mode");
    // Cooked data sectors and sub-channel data hold no plain 2352-byte sector to deliver.
    if (mode != "AUDIO" && mode != "MODE1_RAW" && mode != "MODE2_RAW")
        FLines.Fail("TRACK " + mode + " cannot be read; AUDIO, MODE1_RAW and MODE2_RAW can");
    FLines.ExpectWordCount(2);
    EndTrack();
    ++FTrack;
    FTrackAudio = mode == "AUDIO";
    FTrackBase = FBuilder.Position();
    FStartOffset.reset();
}

void TTocReader::AudioFile()
{
    RequireTrack();
    const std::string& name = FLines.Word(1, "file name");
    size_t next = 2;
    const bool swap = next < FLines.Words().size() && FLines.Words()[next] == "SWAP";
    next += swap ? 1 : 0;
    uint64_t byteOffset = 0;
    if (next < FLines.Words().size() && FLines.Words()[next].starts_with("#"))
        byteOffset = Count(FLines.Words()[next++].substr(1));
    const std::string& startWord = FLines.Word(next++, "start");
    const bool wave = std::filesystem::path(name).extension() == ".wav" || std::filesystem::path(name).extension() == ".WAV";
    const TLayoutBuilder::TFile file = FBuilder.AddFile(name, wave ? TDataFileKind::dfWave : TDataFileKind::dfRaw);
    const uint64_t start = byteOffset
        + (IsCount(startWord) ? Count(startWord) * kSampleBytes : uint64_t{FLines.Msf(startWord)} * kSectorBytes);
    uint32_t sectors = 0;
    if (next < FLines.Words().size()) {
        sectors = Sectors(FLines.Words()[next++], kSampleBytes);
        FLines.ExpectWordCount(next);
    } else if (start < file.Data.Bytes) {
        sectors = static_cast<uint32_t>((file.Data.Bytes - start + kSectorBytes - 1) / kSectorBytes);
    }
    if (sectors == 0)
        FLines.Fail("no audio in " + name + " from byte " + std::to_string(start));
    // Data tracks keep their bytes as the file holds them; only raw audio files follow cdrdao's byte order.
    FBuilder.AppendFile(file, start, sectors, FTrackAudio && !wave && !swap);
}

void TTocReader::DataFile()
{
    RequireTrack();
    const std::string& name = FLines.Word(1, "file name");
    size_t next = 2;
    uint64_t start = 0;
    if (next < FLines.Words().size() && FLines.Words()[next].starts_with("#"))
        start = Count(FLines.Words()[next++].substr(1));
    const TLayoutBuilder::TFile file = FBuilder.AddFile(name, TDataFileKind::dfRaw);
    uint32_t sectors = 0;
    if (next < FLines.Words().size()) {
        sectors = Sectors(FLines.Words()[next++], 1);
        FLines.ExpectWordCount(next);
    } else if (start < file.Data.Bytes) {
        sectors = static_cast<uint32_t>((file.Data.Bytes - start + kSectorBytes - 1) / kSectorBytes);
    }
    if (sectors == 0)
        FLines.Fail("no data in " + name + " from byte " + std::to_string(start));
    FBuilder.AppendFile(file, start, sectors, false);
}

void TTocReader::Start()
{
    RequireTrack();
    if (FStartOffset)
        FLines.Fail("a second START in track " + std::to_string(FTrack));
    const uint32_t length = FBuilder.Position() - FTrackBase;
    if (FLines.Words()[0] == "START" && FLines.Words().size() > 1) {
        FLines.ExpectWordCount(2);
        FStartOffset = Sectors(FLines.Words()[1], kSampleBytes);
        if (*FStartOffset > length)
            FLines.Fail("START " + FLines.Words()[1] + " lies beyond the track's " + SectorTimeText(length));
    } else {
        FStartOffset = length;
    }
}

void TTocReader::TextBlock()
{
    static constexpr std::pair<std::string_view, int> kFields[] = {
        {"TITLE", CR_TEXT_TITLE}, {"PERFORMER", CR_TEXT_PERFORMER}, {"SONGWRITER", CR_TEXT_SONGWRITER}};
    int depth = 0;
    bool firstLanguage = false;
    do {
        const std::vector<std::string>& words = FLines.Words();
        if (depth == 1 && words[0] == "LANGUAGE")
            firstLanguage = words.size() > 1 && words[1] == "0";
        if (depth == 2 && firstLanguage && words.size() >= 2)
            for (const auto& [name, field] : kFields)
                if (words[0] == name)
                    if (std::string text = SheetText({Unescaped(words[1])}, 0); !text.empty())
                        FExtras.Texts[{FTrack, field}] = std::move(text);
        for (const std::string& word : words)
            depth += static_cast<int>(std::count(word.begin(), word.end(), '{') - std::count(word.begin(), word.end(), '}'));
        if (depth <= 0)
            return;
    } while (FLines.Next(true));
    FLines.Fail("CD_TEXT block without its closing brace");
}

uint32_t TTocReader::Sectors(const std::string& word, uint64_t unitBytes) const
{
    if (!IsCount(word))
        return FLines.Msf(word);
    const uint64_t bytes = Count(word) * unitBytes;
    if (bytes % kSectorBytes != 0)
        FLines.Fail("length " + word + " is not a whole number of sectors");
    if (bytes / kSectorBytes > kMostSectors)
        FLines.Fail("length " + word + " is longer than any disc");
    return static_cast<uint32_t>(bytes / kSectorBytes);
}

uint64_t TTocReader::Count(const std::string& word) const
{
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    // Far above any disc's byte count, yet small enough that no product with a unit overflows.
    if (error != std::errc() || end != word.data() + word.size() || value > (uint64_t{1} << 40))
        FLines.Fail("\"" + word + "\" is no count");
    return value;
}

void TTocReader::RequireTrack() const
{
    if (FTrack == 0)
        FLines.Fail(FLines.Words()[0] + " before any TRACK");
}

void TTocReader::EndTrack()
{
    if (FTrack == 0)
        return;
    const uint32_t length = FBuilder.Position() - FTrackBase;
    const uint32_t offset = FStartOffset.value_or(0);
    if (offset >= length)
        FLines.Fail("track " + std::to_string(FTrack) + " holds no sector after its start");
    FBuilder.StartTrack(FTrackBase + offset, FTrackAudio);
}

}

TImageLayout ReadTocFile(const std::filesystem::path& sheet)
{
    return TTocReader(sheet).Read();
}

}
