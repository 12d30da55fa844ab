#include "CueSheet.h"

#include "LayoutBuilder.h"
#include "SheetText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace cdrip {

namespace {

// Lines that describe the disc for people or for burners and change no sector.
constexpr std::array<std::string_view, 11> kIgnoredCommands = {"FLAGS", "CDTEXTFILE", "ARRANGER", "COMPOSER", "MESSAGE", "DISC_ID", "GENRE", "UPC_EAN", "TOC_INFO1",
    "TOC_INFO2", "SIZE_INFO"};

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

class TCueReader {
public:
    explicit TCueReader(const std::filesystem::path& sheet) : FLines(sheet), FBuilder(FLines) {}
    TImageLayout Read();

private:
    void File();
    void Track();
    void Index();
    void Gap(uint32_t& gap, bool beforeIndex);
    void Isrc();
    // A text of the disc (before the first TRACK) or of the current track.
    void Text(int field, size_t firstWord);
    // REM lines are comments, but rippers keep the disc's date and genre in them.
    void Remark();
    // Notes where the current track's pregap starts on the disc.
    void MarkPregap(uint32_t sector);
    // Appends the current file's sectors up to fileSector.
    void AppendFileTo(uint32_t fileSector);
    void EndTrack();
    void EndFile();

    TSheetLines FLines;
    TLayoutBuilder FBuilder;

    bool FHasFile = false;
    TLayoutBuilder::TFile FFile;
    bool FSwapBytes = false;
    std::string FFileName;
    uint32_t FFileCursor = 0;     // the current file's sectors before this are in the layout

    int FTrack = 0;               // number of the current track, 0 before the first
    bool FTrackAudio = true;
    int FLastIndex = -1;          // the current track's last INDEX number
    uint32_t FPregap = 0;
    uint32_t FPostgap = 0;
    uint32_t FPreviousPostgap = 0;
    TDiscExtras FExtras;
};

TImageLayout TCueReader::Read()
{
    while (FLines.Next()) {
        const std::string command = Upper(FLines.Words()[0]);
        if (command == "FILE")
            File();
        else if (command == "TRACK")
            Track();
        else if (command == "INDEX")
            Index();
        else if (command == "PREGAP")
            Gap(FPregap, true);
        else if (command == "POSTGAP")
            Gap(FPostgap, false);
        else if (command == "CATALOG")
            FExtras.Catalog = FLines.Word(1, "catalogue number");
        else if (command == "ISRC")
            Isrc();
        else if (command == "TITLE")
            Text(CR_TEXT_TITLE, 1);
        else if (command == "PERFORMER")
            Text(CR_TEXT_PERFORMER, 1);
        else if (command == "SONGWRITER")
            Text(CR_TEXT_SONGWRITER, 1);
        else if (command == "REM")
            Remark();
        else if (std::find(kIgnoredCommands.begin(), kIgnoredCommands.end(), command) == kIgnoredCommands.end())
            FLines.Fail("unknown command \"" + FLines.Words()[0] + "\"");
    }
    EndTrack();
    EndFile();
    FBuilder.AppendSilence(FPreviousPostgap);
    TImageLayout layout = FBuilder.Finish();
    layout.Extras = std::move(FExtras);
    return layout;
}

void TCueReader::File()
{
    const std::string& name = FLines.Word(1, "file name");
    const std::string type = Upper(FLines.Word(2, "file type"));
    FLines.ExpectWordCount(3);
    TDataFileKind kind = TDataFileKind::dfRaw;
    if (type == "WAVE")
        kind = TDataFileKind::dfWave;
    else if (type != "BINARY" && type != "MOTOROLA")
        FLines.Fail("FILE type " + type + " cannot be read; BINARY, MOTOROLA and WAVE can");
    EndFile();
    FFile = FBuilder.AddFile(name, kind);
    FSwapBytes = type == "MOTOROLA";
    FFileName = name;
    FHasFile = true;
    FFileCursor = 0;
}

void TCueReader::Track()
{
    if (!FHasFile)
        FLines.Fail("TRACK before any FILE");
    const std::string& numberText = FLines.Word(1, "track number");
    const std::string mode = Upper(FLines.Word(2, "track mode"));
    FLines.ExpectWordCount(3);
    if (numberText != std::to_string(FTrack + 1) && numberText != "0" + std::to_string(FTrack + 1))
        FLines.Fail("TRACK " + numberText + " where track " + std::to_string(FTrack + 1) + " was due");
    // Cooked data sectors (MODE1/2048, MODE2/2336) hold no raw 2352-byte sector to deliver.
    if (mode != "AUDIO" && mode != "MODE1/2352" && mode != "MODE2/2352")
        FLines.Fail("TRACK mode " + mode + " cannot be read; AUDIO, MODE1/2352 and MODE2/2352 can");
    EndTrack();
    ++FTrack;
    FTrackAudio = mode == "AUDIO";
    FLastIndex = -1;
    FPregap = 0;
    FPostgap = 0;
}

void TCueReader::Index()
{
    if (FTrack == 0)
        FLines.Fail("INDEX before any TRACK");
    const std::string& numberText = FLines.Word(1, "index number");
    const uint32_t position = FLines.Msf(FLines.Word(2, "index position"));
    FLines.ExpectWordCount(3);
    const bool digits = !numberText.empty() && numberText.size() <= 2
        && std::all_of(numberText.begin(), numberText.end(), [](unsigned char c) { return std::isdigit(c); });
    const int number = digits ? std::stoi(numberText) : -1;
    if (number < 0 || number <= FLastIndex || (number > 1 && FLastIndex < 1))
        FLines.Fail("INDEX " + numberText + " out of order in track " + std::to_string(FTrack));
    if (position < FFileCursor)
        FLines.Fail("INDEX " + numberText + " at " + SectorTimeText(position) + " lies before the previous index at "
            + SectorTimeText(FFileCursor));
    if (position >= FFile.Sectors)
        FLines.Fail("INDEX " + numberText + " at " + SectorTimeText(position) + " lies beyond the end of "
            + FFileName + ", which holds " + SectorTimeText(FFile.Sectors));
    AppendFileTo(position);
    if (FLastIndex < 0) {
        FBuilder.AppendSilence(FPreviousPostgap);
        FPreviousPostgap = 0;
        if (FPregap > 0)
            MarkPregap(FBuilder.Position());
        FBuilder.AppendSilence(FPregap);
    }
    if (number == 0)
        MarkPregap(FBuilder.Position());
    if (number == 1)
        FBuilder.StartTrack(FBuilder.Position(), FTrackAudio);
    FLastIndex = number;
}

void TCueReader::Gap(uint32_t& gap, bool beforeIndex)
{
    const std::string& command = FLines.Words()[0];
    if (FTrack == 0)
        FLines.Fail(command + " before any TRACK");
    if (beforeIndex ? FLastIndex >= 0 : FLastIndex < 1)
        FLines.Fail(command + (beforeIndex ? " after an INDEX of its track" : " before its track's INDEX 01"));
    gap = FLines.Msf(FLines.Word(1, "length"));
    FLines.ExpectWordCount(2);
}

void TCueReader::Isrc()
{
    if (FTrack == 0)
        FLines.Fail("ISRC before any TRACK");
    FExtras.Isrcs.resize(static_cast<size_t>(FTrack));
    FExtras.Isrcs.back() = FLines.Word(1, "ISRC");
}

void TCueReader::Text(int field, size_t firstWord)
{
    // A text line without its text says nothing; it is no reason to refuse the disc.
    if (std::string text = SheetText(FLines.Words(), firstWord); !text.empty())
        FExtras.Texts[{FTrack, field}] = std::move(text);
}

void TCueReader::Remark()
{
    const std::vector<std::string>& words = FLines.Words();
    if (words.size() < 3 || FTrack != 0)
        return;
    const std::string key = Upper(words[1]);
    if (key == "DATE")
        Text(CR_TEXT_DATE, 2);
    else if (key == "GENRE")
        Text(CR_TEXT_GENRE, 2);
}

void TCueReader::MarkPregap(uint32_t sector)
{
    if (FExtras.PregapStarts.size() < static_cast<size_t>(FTrack))
        FExtras.PregapStarts.resize(static_cast<size_t>(FTrack), TDiscExtras::kNoPregap);
    // A PREGAP's silence comes before an INDEX 00's data: the first mark is where the pregap starts.
    uint32_t& start = FExtras.PregapStarts[static_cast<size_t>(FTrack - 1)];
    if (start == TDiscExtras::kNoPregap)
        start = sector;
}

void TCueReader::AppendFileTo(uint32_t fileSector)
{
    FBuilder.AppendFile(FFile, FFileCursor * kSectorBytes, fileSector - FFileCursor, FSwapBytes);
    FFileCursor = fileSector;
}

void TCueReader::EndTrack()
{
    if (FTrack > 0 && FLastIndex < 1)
        FLines.Fail("track " + std::to_string(FTrack) + " has no INDEX 01");
    FPreviousPostgap = FPostgap;
}

void TCueReader::EndFile()
{
    if (FHasFile)
        AppendFileTo(FFile.Sectors);
}

}

TImageLayout ReadCueSheet(const std::filesystem::path& sheet)
{
    return TCueReader(sheet).Read();
}

}
